#pragma once

#include <QImage>

#include <array>

namespace dakru::art {

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The program icon at one of kIconSizes: an ivory die showing five, on a
// transparent ground.
QImage iconPicture(int size);

}  // namespace dakru::art
