#include "Twips.h"

#include <QWidget>

namespace zodiac {

namespace {
// Rounds to the nearest pixel so that 7110 twips give 474 px, and negative lefts stay symmetric.
int ToPixels(int twips) {
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}
} // namespace

QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

void PlaceTwips(QWidget* w, int left, int top, int width, int height) {
    if (w != nullptr) {
        w->setGeometry(TwipsRect(left, top, width, height));
    }
}

} // namespace zodiac
