#pragma once

#include <QImage>

#include <array>

namespace dakru::art {

// Every size a desktop may ask for; the .ico holds those up to 256 pixels.
inline constexpr std::array<int, 7> kIconSizes{16, 32, 48, 64, 128, 256, 512};
inline constexpr int kLargestIcoSize = 256;

// The program icon at one of kIconSizes: an ivory die showing five, on a
// transparent ground.
QImage iconPicture(int size);

}  // namespace dakru::art
