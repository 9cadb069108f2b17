#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "review.h"

namespace dakru::ui::coach {

// The colours of the statistics window: a deep blue ground, pale lettering.
inline const QColor kGround{21, 13, 96};
inline const QColor kText{192, 192, 255};
inline const QColor kAxis{112, 104, 200};
inline const QColor kValue{255, 255, 192};
// The frames on the sheet: red as the game's keyboard cursor, green for the advisor.
inline const QColor kPlayerMark{230, 0, 0};
inline const QColor kAdvisorMark{40, 220, 90};

QFont reviewFont(qreal points, bool bold = false);

// A grade's colour, from pale green for the best to red for a blunder.
QColor gradeColour(review::Grade grade);

}  // namespace dakru::ui::coach
