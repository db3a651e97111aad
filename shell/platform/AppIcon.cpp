#include "AppIcon.h"

#include "AppIconPixels.h"

#include <QImage>
#include <QPixmap>

namespace zodiac {

QIcon ApplicationIcon() {
    // The window icon travels to the X server with every window a program opens, each size as
    // raw pixels, so it carries the window-list sizes only; launchers and task switchers draw
    // the large sizes from the installed icon theme, found through the desktop entry.
    // The pixels were decoded from the icon's PNG files when the program was built: decoding them
    // at every start cost a tenth of what the program adds to a start before its window shows.
    QIcon icon;
    for (const IconPixels& size : AppIconSizes()) {
        const QImage image(reinterpret_cast<const uchar*>(size.pixels), size.size, size.size, size.size * 4,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

} // namespace zodiac
