#pragma once

#include <QImage>
#include <QSize>

#include <functional>

class QPainter;

namespace dakru::art {

// Paints at `factor` times the final size and scales down smoothly, which gives
// antialiased edges and soft gradients at small sizes. The picture comes out
// `scale` times `size` (2 for dense screens); the painter is already scaled, so
// the callback always draws in the pixels of the 1x picture.
QImage renderSupersampled(QSize size, int scale, int factor, const QColor& ground,
                          const std::function<void(QPainter&)>& paint);

// A soft blur (three box passes, close to a Gaussian) for shadows and glows.
QImage blurred(const QImage& image, int radius);

}  // namespace dakru::art
