#include "Colors.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <algorithm>

namespace zodiac {

namespace {

// t to the power 2.4 for t in (0, 1], as t squared times the square of its fifth root, the root found
// by Newton's method. The windows decide their text colours with this at every start; std::pow
// would bring its share of the maths library's code and tables into memory for it.
double ToThePower2Point4(double t) {
    double root = 1; // at or above the fifth root of t, from where Newton's steps only fall
    for (int step = 0; step < 64; ++step) {
        const double square = root * root;
        const double next = (4 * root + t / (square * square)) / 5;
        if (!(next < root))
            break;
        root = next;
    }
    return t * t * root * root;
}

double Channel(double c) {
    return c <= 0.04045 ? c / 12.92 : ToThePower2Point4((c + 0.055) / 1.055);
}

double Luminance(const QColor& color) {
    const QColor rgb = color.toRgb();
    return 0.2126 * Channel(rgb.redF()) + 0.7152 * Channel(rgb.greenF()) + 0.0722 * Channel(rgb.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double share) {
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * share),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * share),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * share));
}

const char* const WantedColorProperty = "zodiacWantedTextColor";

// The text colour the palette gives for text on `backgroundRole`: what the desktop chose to read there.
QPalette::ColorRole TextRoleOn(QPalette::ColorRole backgroundRole) {
    switch (backgroundRole) {
    case QPalette::Base:
    case QPalette::AlternateBase:
        return QPalette::Text;
    case QPalette::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::WindowText;
    }
}

// The widget that paints what shows through under `widget`: itself when it fills its background,
// else the nearest ancestor that does, or the window, which always paints its own.
const QWidget* PaintedUnder(const QWidget* widget) {
    const QWidget* painter = widget;
    while (!painter->isWindow() && !painter->autoFillBackground() && painter->parentWidget())
        painter = painter->parentWidget();
    return painter;
}

void ApplyTextColor(QWidget* widget) {
    const QColor wanted = widget->property(WantedColorProperty).value<QColor>();
    if (!wanted.isValid())
        return;
    const QWidget* under = PaintedUnder(widget);
    // The palette the background is painted from; the widget's own carries the colours set here.
    const QPalette painted = under == widget && widget->parentWidget() ? widget->parentWidget()->palette()
                             : under == widget                         ? QPalette()
                                                                       : under->palette();
    const QPalette::ColorRole role = under->backgroundRole();
    QPalette palette = widget->palette();
    bool changed = false;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor shown =
            ReadableOn(wanted, painted.color(group, role), painted.color(group, TextRoleOn(role)));
        for (const QPalette::ColorRole textRole : {QPalette::WindowText, QPalette::Text}) {
            if (palette.color(group, textRole) != shown) {
                palette.setColor(group, textRole, shown);
                changed = true;
            }
        }
    }
    if (changed)
        widget->setPalette(palette);
}

// Re-applies the wanted colour when the desktop's palette changes under the widget.
class TextColorKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
            ApplyTextColor(static_cast<QWidget*>(watched));
        return false;
    }
};

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& wanted, const QColor& background, const QColor& readable) {
    if (ContrastRatio(wanted, background) >= MinimumContrast)
        return wanted;
    // Should the desktop's own text colour not read well either, take black or white.
    QColor target = readable;
    if (ContrastRatio(target, background) < MinimumContrast)
        target = ContrastRatio(Qt::white, background) > ContrastRatio(Qt::black, background)
                     ? QColor(Qt::white)
                     : QColor(Qt::black);
    for (int step = 1; step <= 20; ++step) {
        const QColor mixed = Mix(wanted, target, step / 20.0);
        if (ContrastRatio(mixed, background) >= MinimumContrast)
            return mixed;
    }
    return target;
}

QColor ReadableInPalette(const QColor& wanted, const QPalette& palette, QPalette::ColorRole backgroundRole) {
    const QPalette::ColorRole textRole = TextRoleOn(backgroundRole);
    const QColor active = ReadableOn(wanted, palette.color(QPalette::Active, backgroundRole),
                                     palette.color(QPalette::Active, textRole));
    return ReadableOn(active, palette.color(QPalette::Inactive, backgroundRole),
                      palette.color(QPalette::Inactive, textRole));
}

void KeepTextColor(QWidget* widget, const QColor& wanted) {
    // The first call installs the keeper; later calls only change the colour it keeps.
    const bool kept = widget->property(WantedColorProperty).isValid();
    widget->setProperty(WantedColorProperty, wanted);
    if (!kept)
        widget->installEventFilter(new TextColorKeeper(widget));
    ApplyTextColor(widget);
}

} // namespace zodiac
