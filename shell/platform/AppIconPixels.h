#pragma once
#include <QtGlobal>
#include <span>

namespace zodiac {

// One size of the window icon: its width and height, and its pixels row by row, premultiplied ARGB.
struct IconPixels {
    int size;
    const quint32* pixels;
};

// The window icon's sizes, smallest first, as decoded from its PNG files when the program was built.
std::span<const IconPixels> AppIconSizes();

} // namespace zodiac
