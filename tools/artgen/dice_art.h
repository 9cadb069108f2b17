#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

namespace dakru::art {

// Released dice are ivory with dark pips; held dice are lit: red with white pips
// and a gold rim, so the two can't be confused at a glance. A blank die is an
// ivory die at rest, without pips.
enum class DieLook { Released, Held, Blank };

inline constexpr int kDieSize = 42;

// Paints a die with its shadow (or, when held, its glow) into `body`.
// Face 0 paints no pips. Tiny dice (icons) read better with larger pips.
void paintDie(QPainter& p, const QRectF& body, int face, DieLook look, qreal pipScale = 1.0);

// One die picture of the game, `scale` times kDieSize square, its corners in the
// tray colour.
QImage diePicture(int face, DieLook look, int scale);

}  // namespace dakru::art
