#include "Colors.h"

#include <QEvent>
#include <QPalette>
#include <QWidget>
#include <cmath>

namespace zodiac {

namespace {

double Channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
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

void ApplyTextColor(QWidget* widget) {
    const QColor wanted = widget->property(WantedColorProperty).value<QColor>();
    if (!wanted.isValid())
        return;
    QPalette palette = widget->palette();
    const QColor background = palette.color(widget->backgroundRole());
    // The palette's own text colour is what the desktop chose to read on this background.
    const QPalette::ColorRole textRole =
        widget->backgroundRole() == QPalette::Base ? QPalette::Text : QPalette::WindowText;
    const QColor readable = widget->parentWidget() ? widget->parentWidget()->palette().color(textRole)
                                                   : QPalette().color(textRole);
    const QColor shown = ReadableOn(wanted, background, readable);
    if (palette.color(QPalette::WindowText) == shown && palette.color(QPalette::Text) == shown)
        return;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, shown);
        palette.setColor(group, QPalette::Text, shown);
    }
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

void KeepTextColor(QWidget* widget, const QColor& wanted) {
    // The first call installs the keeper; later calls only change the colour it keeps.
    const bool kept = widget->property(WantedColorProperty).isValid();
    widget->setProperty(WantedColorProperty, wanted);
    if (!kept)
        widget->installEventFilter(new TextColorKeeper(widget));
    ApplyTextColor(widget);
}

} // namespace zodiac
