#include "KeptIconStyle.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

namespace zodiac {

namespace {

// Turns off the desktop's icon theme for one call into the base style, and back on after it.
class WithoutIconTheme {
public:
    WithoutIconTheme() : m_aware(QGuiApplication::desktopSettingsAware()) {
        QGuiApplication::setDesktopSettingsAware(false);
    }
    ~WithoutIconTheme() { QGuiApplication::setDesktopSettingsAware(m_aware); }
    WithoutIconTheme(const WithoutIconTheme&) = delete;
    WithoutIconTheme& operator=(const WithoutIconTheme&) = delete;

private:
    const bool m_aware;
};

} // namespace

KeptIconStyle::KeptIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon KeptIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // An option may carry state the icon is drawn for; those calls are rare and go straight through.
    if (option)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction = widget ? widget->layoutDirection() : QGuiApplication::layoutDirection();
    // The theme is part of the key: the desktop may switch icon themes while the program runs.
    const QString theme = QIcon::themeName();
    const QString key = QStringLiteral("%1/%2/%3").arg(int(icon)).arg(int(direction)).arg(theme);
    const auto kept = m_icons.constFind(key);
    if (kept != m_icons.constEnd())
        return *kept;

    QIcon made;
    if (theme == QIcon::fallbackThemeName()) {
        // No desktop icon theme is set, only the fallback theme, which holds applications' own
        // icons and none of the toolkit's (arrows, dialog signs): looking there would parse its
        // whole index, over two thousand entries kept for the rest of the run, and find nothing.
        // The style's built-in icons are what it would end up with.
        const WithoutIconTheme noTheme;
        made = QProxyStyle::standardIcon(icon, option, widget);
    } else {
        made = QProxyStyle::standardIcon(icon, option, widget);
    }
    m_icons.insert(key, made);
    return made;
}

void KeepStandardIcons() {
    QApplication::setStyle(new KeptIconStyle(QApplication::style()));
}

} // namespace zodiac
