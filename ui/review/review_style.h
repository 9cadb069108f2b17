#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "review.h"

namespace dakru::ui::coach {

// The window's size, as the statistics window's, a little wider for the moves in words.
inline constexpr int kReviewWidth = 840;
inline constexpr int kReviewHeight = 590;

// The colours of the statistics window: a deep blue ground, pale lettering.
inline const QColor kGround{21, 13, 96};
inline const QColor kText{192, 192, 255};
inline const QColor kAxis{112, 104, 200};
inline const QColor kValue{255, 255, 192};
// The frames on the sheet: red as the game's keyboard cursor, blue for the
// advisor, both plain on the black and the yellow cells.
inline const QColor kPlayerMark{230, 0, 0};
inline const QColor kAdvisorMark{30, 120, 255};

QFont reviewFont(qreal points, bool bold = false);

// A grade's colour, from pale green for the best to red for a blunder.
QColor gradeColour(review::Grade grade);

}  // namespace dakru::ui::coach
