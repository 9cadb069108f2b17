#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

namespace dakru::art {

inline constexpr QSize kHighScoreSize{299, 350};
// The click area of the high-score window that lies over the word CLOSE.
inline constexpr QRect kCloseArea{104, 320, 97, 33};
// Where the window shows its ten entries, one every 24 pixels.
inline constexpr QRect kEntriesArea{16, 88, 267, 237};
inline QRect entryRow(int index)
{
    return {16, 88 + 24 * index, 267, 21};
}

// The background at `scale` times kHighScoreSize.
QImage highScoreBackground(int scale);

}  // namespace dakru::art
