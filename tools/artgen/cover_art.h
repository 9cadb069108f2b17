#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>

namespace dakru::art {

inline constexpr QSize kCoverSize{353, 521};

// The menu words and the hot spots of the main window that lie over them.
struct MenuWord {
    const char* word;
    QRect hotSpot;
};
inline constexpr std::array<MenuWord, 5> kMenuWords{{
    {"ROLL", {24, 432, 59, 33}},
    {"NEW", {16, 480, 57, 25}},
    {"HIGHSCORE", {80, 480, 121, 25}},
    {"INFO", {208, 480, 57, 25}},
    {"EXIT", {272, 480, 65, 25}},
}};

// What the main window puts over the cover, which the picture keeps calm.
inline constexpr QRect kSheetArea{0, 105, 353, 314};
inline constexpr QRect kRollCounter{72, 440, 17, 17};
inline QRect diceSlot(int index)
{
    return {104 + 48 * index, 424, 42, 42};
}

// The cover at `scale` times kCoverSize: 1 for ordinary screens, 2 for dense ones.
QImage coverPicture(int scale);

}  // namespace dakru::art
