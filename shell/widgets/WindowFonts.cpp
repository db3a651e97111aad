#include "WindowFonts.h"

namespace zodiac {

QFont NamedFont(const QString& family, double points, bool bold) {
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont WindowFont(double points, bool bold) {
    return NamedFont(QStringLiteral("Verdana"), points, bold);
}

QFont LinkFont(bool bold) {
    QFont font = WindowFont(8.25, bold);
    font.setUnderline(true);
    return font;
}

} // namespace zodiac
