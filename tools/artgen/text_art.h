#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>

namespace dakru::art {

// Fonts by family; fontconfig maps them to what the machine has.
QFont titleFont(qreal pixelSize);
QFont menuFont(qreal pixelSize, qreal letterSpacing);

// A word centred on `centre` (the centre of its capitals), in `colour`, with a
// soft glow of `glowColour` around it, on a transparent layer of `size`. Sizes,
// places and the glow are in 1x pixels; the layer comes out `scale` times larger.
QImage glowingWord(QSize size, int scale, const QString& word, const QFont& font, QPointF centre, const QColor& colour,
                   const QColor& glowColour, int glowRadius);

// The title lettering: gold, outlined dark, with a shadow and a warm glow.
QImage goldTitle(QSize size, int scale, const QString& text, const QFont& font, QPointF centre);

}  // namespace dakru::art
