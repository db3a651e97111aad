#include "RenderCheck.h"

#include "TextFit.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <algorithm>
#include <cmath>

// WCAG 2 contrast ratio, written out here again so that the check does not lean on the code it checks.
double WcagContrast(const QColor& a, const QColor& b) {
    const auto channel = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const auto luminance = [&](const QColor& color) {
        const QColor c = color.toRgb();
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

namespace {

constexpr double MinimumContrast = 4.5;
// Text measured with fractional metrics may come out a hair wider than it draws.
constexpr qreal Slack = 0.5;

// The text as drawn: "&&" is an ampersand, a single "&" marks the access key and is not drawn.
QString DrawnText(const QString& text) {
    QString drawn;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                drawn += u'&', ++i;
            continue;
        }
        drawn += text[i];
    }
    return drawn;
}

qreal LongestLine(const QFontMetricsF& fm, const QString& text) {
    qreal widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = std::max(widest, fm.horizontalAdvance(line));
    return widest;
}

struct Checker {
    QWidget* window;
    QString state;
    QImage image;
    QStringList faults;
    double lowestContrast = 0;

    void Fault(const QWidget* widget, const QString& what) {
        faults << QStringLiteral("%1 %2 (%3): %4")
                      .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName(),
                           state, what);
    }

    QRect InWindow(const QWidget* widget, const QRect& rect) const {
        return QRect(widget->mapTo(window, rect.topLeft()), rect.size());
    }

    // The colour drawn most often inside a rectangle of the window: the background under a text.
    QColor BackgroundIn(const QRect& windowRect) const {
        const qreal ratio = image.devicePixelRatio();
        const QRect pixels(QPoint(qRound(windowRect.left() * ratio), qRound(windowRect.top() * ratio)),
                           QSize(qRound(windowRect.width() * ratio), qRound(windowRect.height() * ratio)));
        QHash<QRgb, int> counts;
        const QRect inside = pixels.intersected(image.rect());
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                ++counts[image.pixel(x, y) | 0xff000000u];
        QRgb best = 0;
        int most = -1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
            if (it.value() > most) {
                most = it.value();
                best = it.key();
            }
        }
        return QColor::fromRgb(best);
    }

    void CheckContrast(const QWidget* widget, const QString& what, const QColor& text,
                       const QColor& background) {
        const double ratio = WcagContrast(text, background);
        if (lowestContrast == 0 || ratio < lowestContrast)
            lowestContrast = ratio;
        if (ratio < MinimumContrast)
            Fault(widget, QStringLiteral("%1 in %2 on %3 reaches %4:1, less than 4.5:1")
                              .arg(what, text.name(), background.name())
                              .arg(ratio, 0, 'f', 2));
    }

    // Where a label's text is drawn, in its own coordinates: the line boxes, cut down to the ink for
    // a single line.
    static QRectF TextArea(const QLabel* label) {
        const QFontMetricsF fm(label->font());
        const int margin = label->margin();
        const QRectF box = QRectF(label->contentsRect()).adjusted(margin, margin, -margin, -margin);
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        QRectF area = fm.boundingRect(box, flags, label->text());
        // A single line, wrapped or not: only the ink counts, not the line's empty top and bottom.
        if (area.height() < 2 * fm.height() - Slack && !label->text().contains(u'\n')) {
            const QRectF ink = fm.tightBoundingRect(label->text());
            const qreal baseline = area.top() + fm.ascent();
            area.setTop(baseline + ink.top());
            area.setBottom(baseline + ink.bottom());
        }
        return area;
    }

    void CheckLabel(QLabel* label) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return;
        const QFontMetricsF fm(label->font());
        const int margin = label->margin();
        const QRectF box = QRectF(label->contentsRect()).adjusted(margin, margin, -margin, -margin);
        const QString text = label->text();
        if (label->wordWrap()) {
            const QRectF needed = fm.boundingRect(box, int(label->alignment()) | Qt::TextWordWrap, text);
            if (needed.height() > box.height() + Slack)
                Fault(label, QStringLiteral("the text needs %1 px of height, the label has %2")
                                 .arg(needed.height())
                                 .arg(box.height()));
            for (const QString& word :
                 text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
                if (fm.horizontalAdvance(word) > box.width() + Slack)
                    Fault(label, QStringLiteral("the word \"%1\" is wider than the label").arg(word));
        } else {
            const qreal width = LongestLine(fm, text);
            const qreal height = fm.height() * (text.count(u'\n') + 1);
            if (width > box.width() + Slack || height > box.height() + Slack)
                Fault(label, QStringLiteral("\"%1\" needs %2 x %3 px, the label has %4 x %5")
                                 .arg(text.left(60))
                                 .arg(width)
                                 .arg(height)
                                 .arg(box.width())
                                 .arg(box.height()));
        }
        // A label that grows with its text may run out of the frame that holds it.
        if (QWidget* parent = label->parentWidget()) {
            const QRectF inParent = TextArea(label).translated(label->pos());
            if (!QRectF(parent->rect()).adjusted(-Slack, -Slack, Slack, Slack).contains(inParent))
                Fault(label, QStringLiteral("its text runs past the edge of %1").arg(parent->objectName()));
        }
        if (label->palette().isBrushSet(QPalette::Active, label->foregroundRole()))
            CheckContrast(label, QStringLiteral("text"), label->palette().color(label->foregroundRole()),
                          BackgroundIn(InWindow(label, label->rect())));
    }

    void CheckButton(QAbstractButton* button) {
        if (button->text().isEmpty())
            return;
        QStyle* style = button->style();
        const QFontMetricsF fm(button->font());
        const qreal needed = fm.horizontalAdvance(DrawnText(button->text()));
        QRect room;
        if (auto* push = qobject_cast<QPushButton*>(button)) {
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            option.icon = push->icon();
            option.iconSize = push->iconSize();
            room = style->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            // The style draws the caption inside the contents with a little air each side.
            room.adjust(style->pixelMetric(QStyle::PM_ButtonMargin, &option, push) / 2, 0,
                        -style->pixelMetric(QStyle::PM_ButtonMargin, &option, push) / 2, 0);
        } else if (qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
            room = style->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents,
                                         &option, button);
        } else if (auto* tool = qobject_cast<QToolButton*>(button)) {
            if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                return;
            if (tool->sizeHint().width() > tool->width())
                Fault(tool, QStringLiteral("\"%1\" needs %2 px, the button has %3")
                                .arg(DrawnText(tool->text()))
                                .arg(tool->sizeHint().width())
                                .arg(tool->width()));
            return;
        } else {
            return;
        }
        if (needed > room.width() + Slack || fm.height() > room.height() + 2 + Slack)
            Fault(button, QStringLiteral("\"%1\" needs %2 x %3 px, has %4 x %5")
                              .arg(DrawnText(button->text()))
                              .arg(needed)
                              .arg(fm.height())
                              .arg(room.width())
                              .arg(room.height()));
    }

    void CheckGroupBox(QGroupBox* box) {
        if (box->title().isEmpty())
            return;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.lineWidth = 1;
        option.midLineWidth = 0;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        const qreal needed = QFontMetricsF(box->font()).horizontalAdvance(DrawnText(box->title()));
        if (needed > label.width() + Slack || label.right() > box->rect().right())
            Fault(box, QStringLiteral("the caption \"%1\" needs %2 px, has %3")
                           .arg(box->title())
                           .arg(needed)
                           .arg(label.width()));
    }

    void CheckList(QComboBox* list) {
        const int room = zodiac::ListTextRoom(list);
        const QFontMetricsF fm(list->font());
        for (int i = 0; i < list->count(); ++i) {
            if (fm.horizontalAdvance(list->itemText(i)) > room + Slack) {
                Fault(list, QStringLiteral("the entry \"%1\" is wider than the list's field (%2 px)")
                                .arg(list->itemText(i))
                                .arg(room));
                return;
            }
        }
    }

    void CheckLineBox(QLineEdit* box) {
        if (!box->isReadOnly() || box->text().isEmpty())
            return;
        QStyleOptionFrame option;
        option.initFrom(box);
        option.lineWidth =
            box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
        const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
        // QLineEdit keeps two pixels free on each side of its text, and one above and below.
        const qreal room = contents.width() - 4 - box->textMargins().left() - box->textMargins().right();
        const qreal height = contents.height() - 2 - box->textMargins().top() - box->textMargins().bottom();
        const QFontMetricsF fm(box->font());
        if (fm.horizontalAdvance(box->text()) > room + Slack)
            Fault(box, QStringLiteral("\"%1\" does not fit the box").arg(box->text()));
        if (fm.height() > height + 1 + Slack)
            Fault(box, QStringLiteral("the box has %1 px of height for text %2 px high")
                           .arg(height)
                           .arg(fm.height()));
    }

    void CheckMenuBar(QMenuBar* bar) {
        const QFontMetricsF fm(bar->font());
        for (QAction* action : bar->actions()) {
            if (!action->isVisible())
                continue;
            const QRect place = bar->actionGeometry(action);
            if (place.isEmpty() || !bar->rect().contains(place))
                Fault(bar,
                      QStringLiteral("the entry \"%1\" has no room in the menu bar").arg(action->text()));
            else if (fm.horizontalAdvance(DrawnText(action->text())) > place.width() + Slack)
                Fault(bar, QStringLiteral("the entry \"%1\" is cut").arg(action->text()));
        }
    }

    void CheckCalendar(QCalendarWidget* calendar) {
        auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
        if (!view)
            return;
        const QAbstractItemModel* model = view->model();
        // Item views draw their text with this margin on each side, and elide what does not fit.
        const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
        const QPalette palette = view->palette();
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                const QString text = model->data(index, Qt::DisplayRole).toString();
                if (text.isEmpty())
                    continue;
                const QVariant font = model->data(index, Qt::FontRole);
                const QFontMetricsF fm(font.isValid() ? font.value<QFont>() : view->font());
                const QRect cell = view->visualRect(index);
                if (!view->viewport()->rect().contains(cell) || fm.height() > cell.height() + Slack) {
                    Fault(calendar, QStringLiteral("\"%1\" (row %2) is cut by the calendar's edge or its row")
                                        .arg(text, QString::number(row)));
                    return;
                }
                if (fm.horizontalAdvance(text) > cell.width() - 2 * margin + Slack) {
                    Fault(calendar, QStringLiteral("\"%1\" is wider than its cell (%2 px) and is elided")
                                        .arg(text)
                                        .arg(cell.width() - 2 * margin));
                    return;
                }
                const QVariant foreground = model->data(index, Qt::ForegroundRole);
                // Only the colours the program gives count; the theme's own text and the greyed days of
                // the months before and after (drawn as disabled text) are the desktop's choice.
                const QColor colour = foreground.value<QBrush>().color();
                if (!foreground.isValid() || view->selectionModel()->isSelected(index) ||
                    colour == palette.color(QPalette::Text) ||
                    colour == palette.color(QPalette::Disabled, QPalette::Text))
                    continue;
                CheckContrast(calendar, QStringLiteral("\"%1\"").arg(text), colour,
                              BackgroundIn(InWindow(view->viewport(), cell)));
            }
        }
    }

    void CheckReportArea(QTextEdit* area) {
        const QColor background = BackgroundIn(InWindow(area->viewport(), area->viewport()->rect()));
        const QColor plain = area->palette().color(QPalette::Text);
        for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.text().trimmed().isEmpty())
                    continue;
                const QTextCharFormat format = fragment.charFormat();
                const bool coloured = format.foreground().style() != Qt::NoBrush;
                CheckContrast(area, QStringLiteral("\"%1\"").arg(fragment.text().left(30)),
                              coloured ? format.foreground().color() : plain, background);
            }
        }
    }

    // A control's drawn area in its parent: the text of a see-through label, else the whole control.
    static QRectF DrawnArea(const QWidget* widget) {
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->autoFillBackground())
            return label->text().isEmpty() ? QRectF() : TextArea(label).translated(label->pos());
        return QRectF(widget->geometry());
    }

    static bool OwnControl(const QWidget* widget) {
        return widget->isVisible() && !widget->isWindow() && !widget->objectName().isEmpty() &&
               !widget->objectName().startsWith(QStringLiteral("qt_"));
    }

    void CheckOverlaps(QWidget* parent) {
        QList<QWidget*> controls;
        for (QObject* child : parent->children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget && OwnControl(widget))
                controls << widget;
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QStringList pair = {controls[i]->objectName(), controls[j]->objectName()};
                // The two offers lie over each other by design; one is in front.
                if (pair.contains(QStringLiteral("lblCobrand")) &&
                    pair.contains(QStringLiteral("lblFullBrand")))
                    continue;
                const QRectF shared = DrawnArea(controls[i]).intersected(DrawnArea(controls[j]));
                if (shared.width() > Slack && shared.height() > Slack)
                    Fault(controls[i], QStringLiteral("overlaps %1").arg(controls[j]->objectName()));
            }
        }
    }

    void Run() {
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (!widget->isVisible())
                continue;
            if (auto* label = qobject_cast<QLabel*>(widget))
                CheckLabel(label);
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                CheckButton(button);
            else if (auto* box = qobject_cast<QGroupBox*>(widget))
                CheckGroupBox(box);
            else if (auto* list = qobject_cast<QComboBox*>(widget))
                CheckList(list);
            else if (auto* line = qobject_cast<QLineEdit*>(widget))
                CheckLineBox(line);
            else if (auto* bar = qobject_cast<QMenuBar*>(widget))
                CheckMenuBar(bar);
            else if (auto* calendar = qobject_cast<QCalendarWidget*>(widget))
                CheckCalendar(calendar);
            else if (auto* area = qobject_cast<QTextEdit*>(widget))
                CheckReportArea(area);
            if (!qobject_cast<QCalendarWidget*>(widget->parentWidget()))
                CheckOverlaps(widget);
        }
    }
};

} // namespace

QList<TestPalette> TestPalettes() {
    // The desktop's own: the palette the style and the platform give, set by nobody.
    const QPalette desktop;

    // As the dark desktop themes draw it (Adwaita-Dark, Breeze Dark).
    QPalette dark;
    const auto set = [](QPalette& p, QPalette::ColorRole role, const QColor& color, const QColor& disabled) {
        p.setColor(QPalette::Active, role, color);
        p.setColor(QPalette::Inactive, role, color);
        p.setColor(QPalette::Disabled, role, disabled);
    };
    set(dark, QPalette::Window, QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    set(dark, QPalette::WindowText, QColor(0xee, 0xee, 0xec), QColor(0x91, 0x91, 0x90));
    set(dark, QPalette::Base, QColor(0x2d, 0x2d, 0x2d), QColor(0x35, 0x35, 0x35));
    set(dark, QPalette::AlternateBase, QColor(0x3a, 0x3a, 0x3a), QColor(0x3a, 0x3a, 0x3a));
    set(dark, QPalette::Text, QColor(0xee, 0xee, 0xec), QColor(0x91, 0x91, 0x90));
    set(dark, QPalette::Button, QColor(0x3b, 0x3b, 0x3b), QColor(0x35, 0x35, 0x35));
    set(dark, QPalette::ButtonText, QColor(0xee, 0xee, 0xec), QColor(0x91, 0x91, 0x90));
    set(dark, QPalette::Highlight, QColor(0x15, 0x53, 0x9e), QColor(0x35, 0x35, 0x35));
    set(dark, QPalette::HighlightedText, QColor(0xff, 0xff, 0xff), QColor(0x91, 0x91, 0x90));
    set(dark, QPalette::Link, QColor(0x2a, 0x76, 0xc6), QColor(0x2a, 0x76, 0xc6));
    set(dark, QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35));
    set(dark, QPalette::ToolTipText, QColor(0xee, 0xee, 0xec), QColor(0xee, 0xee, 0xec));
    set(dark, QPalette::PlaceholderText, QColor(0x91, 0x91, 0x90), QColor(0x91, 0x91, 0x90));
    set(dark, QPalette::Light, QColor(0x4a, 0x4a, 0x4a), QColor(0x4a, 0x4a, 0x4a));
    set(dark, QPalette::Midlight, QColor(0x40, 0x40, 0x40), QColor(0x40, 0x40, 0x40));
    set(dark, QPalette::Mid, QColor(0x2a, 0x2a, 0x2a), QColor(0x2a, 0x2a, 0x2a));
    set(dark, QPalette::Dark, QColor(0x1f, 0x1f, 0x1f), QColor(0x1f, 0x1f, 0x1f));
    set(dark, QPalette::Shadow, QColor(0x10, 0x10, 0x10), QColor(0x10, 0x10, 0x10));

    // White on black with yellow links, as high-contrast themes for low vision draw it.
    QPalette contrast;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                            QPalette::ToolTipBase, QPalette::Dark, QPalette::Shadow, QPalette::Mid})
        set(contrast, role, Qt::black, Qt::black);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText,
                            QPalette::BrightText, QPalette::Light, QPalette::Midlight})
        set(contrast, role, Qt::white, QColor(0x80, 0x80, 0x80));
    set(contrast, QPalette::Highlight, QColor(0x1a, 0xeb, 0xff), QColor(0x1a, 0xeb, 0xff));
    set(contrast, QPalette::HighlightedText, Qt::black, Qt::black);
    set(contrast, QPalette::Link, Qt::yellow, Qt::yellow);
    set(contrast, QPalette::PlaceholderText, QColor(0xc0, 0xc0, 0xc0), QColor(0x80, 0x80, 0x80));

    // ZODIAC_TEST_PALETTES names the ones a run takes (say "desktop" under a real theme); the
    // desktop's own always comes first, the one the tests return to.
    QList<TestPalette> palettes = {{QStringLiteral("desktop"), desktop},
                                   {QStringLiteral("dark"), dark},
                                   {QStringLiteral("high contrast"), contrast}};
    const QStringList wanted = qEnvironmentVariable("ZODIAC_TEST_PALETTES").split(u',', Qt::SkipEmptyParts);
    palettes.removeIf([&](const TestPalette& p) {
        return !wanted.isEmpty() && p.name != u"desktop" && !wanted.contains(p.name);
    });
    return palettes;
}

void AddPaletteRows() {
    QTest::addColumn<QPalette>("palette");
    for (const TestPalette& palette : TestPalettes())
        QTest::newRow(qPrintable(palette.name)) << palette.palette;
}

void UsePalette(const QPalette& palette) {
    QApplication::setPalette(palette);
}

double VerifyRendering(QWidget* window) {
    QStringList faults;
    double lowest = 0;
    const auto check = [&](const QString& state) {
        Checker checker{window, state, window->grab().toImage(), {}, 0};
        checker.Run();
        faults += checker.faults;
        if (checker.lowestContrast > 0 && (lowest == 0 || checker.lowestContrast < lowest))
            lowest = checker.lowestContrast;
    };
    check(QStringLiteral("focused"));
    {
        // Again while another window has the focus, as when the user turns to another program:
        // themes paint an unfocused window in other colours. One of its own (one of the checked
        // window's would share its activation), modal so that a modal window gives up the focus too.
        QWidget other;
        other.setWindowModality(Qt::ApplicationModal);
        other.show();
        other.activateWindow();
        if (QTest::qWaitForWindowActive(&other) && !window->isActiveWindow())
            check(QStringLiteral("unfocused"));
    }
    window->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(window));
    QTest::qVerify(faults.isEmpty(), "VerifyRendering", qPrintable(faults.join(QStringLiteral("\n    "))),
                   __FILE__, __LINE__);
    return lowest;
}
