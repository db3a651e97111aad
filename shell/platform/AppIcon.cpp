#include "AppIcon.h"

#include <QImageReader>
#include <QPixmap>

// The resource lives in a static library, so it must be registered by hand.
static void InitShellResources() {
    Q_INIT_RESOURCE(icons);
}

namespace zodiac {

QIcon ApplicationIcon() {
    static const bool registered = [] {
        InitShellResources();
        return true;
    }();
    static_cast<void>(registered);
    // The window icon travels to the X server with every window a program opens, each size as
    // raw pixels, so it carries the window-list sizes only; launchers and task switchers draw
    // the large sizes from the installed icon theme, found through the desktop entry.
    // The files are read as the PNG they are: left to guess, the reader would load every image
    // plug-in installed (JPEG, GIF, ICO and more) to ask each of them about the file first.
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/zodiac/icons/zodiac-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace zodiac
