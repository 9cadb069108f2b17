#pragma once

#include <QColor>

// The colours the game's artwork shares, so the pictures sit together without seams.
namespace dakru::art {

// Night-blue ground of the cover and the high-score window.
inline const QColor kNightTop{30, 22, 88};
inline const QColor kNightBottom{12, 10, 40};
// The calm field under the score sheet: dark enough for white captions, light
// enough that the black cells still read as cells.
inline const QColor kBoard{15, 13, 46};
// The tray the dice lie on. The dice pictures are square, so their corners are
// painted in this colour and vanish into the tray.
inline const QColor kTray{11, 10, 34};
// The game's lavender: menu words, entry texts, highlight frames.
inline const QColor kLavender{192, 192, 255};
inline const QColor kFrameViolet{124, 111, 244};
// Gold of the title lettering.
inline const QColor kGoldLight{255, 226, 140};
inline const QColor kGoldDeep{206, 140, 38};

}  // namespace dakru::art
