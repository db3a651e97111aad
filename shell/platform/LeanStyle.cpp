#include "LeanStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

namespace zodiac {

namespace {

// Qt's raster engine hands a long run of spans (about a hundred rows of a fill, fewer where a row
// has several spans) to its thread pool in slices, and waits for them. A group box's frame is a
// small picture stretched over each edge, a few pixels wide and the whole box tall, and such an
// edge costs far more in the hand-over than in the drawing. Drawn in bands of 48 rows, with the
// same pixels, it stays on the painting thread.
template <typename Draw> void InBands(const QRect& rect, QPainter* painter, Draw draw) {
    const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    const int band = std::max(8, static_cast<int>(48 / scale));
    if (rect.height() <= band)
        return draw();
    for (int top = rect.top(); top <= rect.bottom(); top += band) {
        painter->save();
        painter->setClipRect(QRect(rect.left(), top, rect.width(), band), Qt::IntersectClip);
        draw();
        painter->restore();
    }
}

} // namespace

void LeanStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    if (element == PE_FrameGroupBox && option)
        return InBands(option->rect, painter,
                       [&] { QProxyStyle::drawPrimitive(element, option, painter, widget); });
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

LeanStyle::LeanStyle(QStyle* base) : QProxyStyle(base) {}

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // An option may carry state the icon is drawn for; those calls are rare and go straight through.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction =
        widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    // The theme is part of the key: the desktop may switch icon themes while the program runs.
    const QString theme = QIcon::themeName();
    const QString key = QStringLiteral("%1/%2/%3").arg(int(icon)).arg(int(direction)).arg(theme);
    const auto kept = m_icons.constFind(key);
    if (kept != m_icons.constEnd())
        return *kept;

    // Where no desktop icon theme is set, only the fallback theme, which holds applications' own
    // icons and none of the toolkit's (arrows, dialog signs), looking there would parse its whole
    // index, over two thousand entries kept for the rest of the run, and find nothing: the style is
    // asked with the desktop's settings off for the call, and gives the built-in icons it would
    // end up with.
    const bool aware = QGuiApplication::desktopSettingsAware();
    if (theme == QIcon::fallbackThemeName())
        QGuiApplication::setDesktopSettingsAware(false);
    const QIcon made = QProxyStyle::standardIcon(icon, option, widget);
    QGuiApplication::setDesktopSettingsAware(aware);
    m_icons.insert(key, made);
    return made;
}

void UseLeanStyle() {
    QApplication::setStyle(new LeanStyle(QApplication::style()));
}

} // namespace zodiac
