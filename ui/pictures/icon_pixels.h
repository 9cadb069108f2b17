#pragma once

#include <cstdint>
#include <span>

namespace dakru::ui {

// One size of the program icon, built into the program (icon_pixels.cpp is made
// by the build from assets/icons/dakru-<size>.png).
struct IconPixels {
    int size = 0;                         // its width and height
    std::span<const std::uint32_t> argb;  // premultiplied ARGB, row by row
};

// Every size a window's icon is drawn in, the smallest first.
std::span<const IconPixels> iconPixels();

}  // namespace dakru::ui
