#pragma once
#include <QRect>

class QWidget;

namespace zodiac {

// Layouts are laid out in twips; 15 twips make one pixel at 96 dpi.
inline constexpr int TwipsPerPixel = 15;

QRect TwipsRect(int left, int top, int width, int height);

// Places a control at its twips rectangle, relative to its parent.
void PlaceTwips(QWidget* w, int left, int top, int width, int height);

} // namespace zodiac
