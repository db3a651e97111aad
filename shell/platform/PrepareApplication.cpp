#include "PrepareApplication.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "LeanStyle.h"

#include <QApplication>

namespace zodiac {

void PrepareApplication() {
    QApplication::setApplicationName(QString::fromUtf8(ExecutableBaseName));
    QApplication::setWindowIcon(ApplicationIcon());
    UseLeanStyle();
    // Lets the desktop match the windows to the installed entry and its icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("nerro-chinese-zodiac"));
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace zodiac
