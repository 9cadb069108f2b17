#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>
#include <vector>

namespace dakru::ui::statistics {

// The colours of the game's other windows: a deep blue ground, pale lettering.
inline const QColor kGround{21, 13, 96};
inline const QColor kText{192, 192, 255};
inline const QColor kAxis{112, 104, 200};
inline const QColor kScores{192, 255, 192};
inline const QColor kAverage{255, 255, 128};

QFont chartFont(qreal points, bool bold = false);

// Round values (1, 2 or 5 times a power of ten, and whole numbers) from below
// low to above high, at most about `most` of them, for the ticks of an axis.
std::vector<double> niceTicks(double low, double high, int most);

// The room a tick label takes: to keep it inside its widget.
QRectF tickLabelRect(double centreX, double top, double height, double widgetWidth, double labelWidth);

}  // namespace dakru::ui::statistics
