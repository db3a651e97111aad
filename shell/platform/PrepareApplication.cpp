#include "PrepareApplication.h"

#include "AppIcon.h"
#include "AppInfo.h"
#include "KeptIconStyle.h"

#include <QApplication>

namespace zodiac {

void PrepareApplication() {
    QApplication::setApplicationName(QString::fromUtf8(ExecutableBaseName));
    QApplication::setWindowIcon(ApplicationIcon());
    KeepStandardIcons();
    // Lets the desktop match the windows to the installed entry and its icon theme.
    QGuiApplication::setDesktopFileName(QStringLiteral("nerro-chinese-zodiac"));
    QApplication::setQuitOnLastWindowClosed(false);
}

} // namespace zodiac
