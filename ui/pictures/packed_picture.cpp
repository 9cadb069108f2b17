#include "packed_picture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace dakru::ui {
namespace {

// Rows drawn at once: a multiple of every whole density, so that each band
// starts on a layout pixel.
constexpr int kBandRows = 32;

}  // namespace

PackedPicture::PackedPicture(QImage image)
{
    const qreal ratio = image.devicePixelRatio();
    if (image.isNull() || image.hasAlphaChannel() || ratio != std::round(ratio)) {
        pixels_ = std::move(image);
        return;
    }
    ratio_ = static_cast<int>(ratio);
    first_ = image.format() == QImage::Format_RGB32 ? std::move(image) : image.convertToFormat(QImage::Format_RGB32);
}

void PackedPicture::pack()
{
    if (first_.isNull()) {
        return;
    }
    // By hand rather than by the toolkit's conversion: its converters are code
    // the start would otherwise never bring into memory.
    pixels_ = QImage(first_.size(), QImage::Format_RGB888);
    for (int y = 0; y < first_.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(first_.constScanLine(y));
        uchar* to = pixels_.scanLine(y);
        for (int x = 0; x < first_.width(); ++x) {
            *to++ = static_cast<uchar>(qRed(from[x]));
            *to++ = static_cast<uchar>(qGreen(from[x]));
            *to++ = static_cast<uchar>(qBlue(from[x]));
        }
    }
    pixels_.setDevicePixelRatio(ratio_);
    first_ = QImage();
}

void PackedPicture::draw(QPainter& painter, const QRect& area)
{
    if (const QImage& whole = current(); whole.format() != QImage::Format_RGB888) {
        if (!whole.isNull()) {
            painter.save();
            painter.setClipRect(area, Qt::IntersectClip);
            painter.drawImage(QPointF(0, 0), whole);
            painter.restore();
        }
        return;
    }
    const QRect device =
        QRect(area.x() * ratio_, area.y() * ratio_, area.width() * ratio_, area.height() * ratio_) & pixels_.rect();
    if (device.isEmpty()) {
        return;
    }
    if (band_.width() != pixels_.width()) {
        band_ = QImage(pixels_.width(), kBandRows, QImage::Format_RGB32);
        band_.setDevicePixelRatio(ratio_);
    }
    for (int top = device.top(); top <= device.bottom(); top += kBandRows) {
        const int rows = std::min(kBandRows, device.bottom() + 1 - top);
        for (int y = 0; y < rows; ++y) {
            const uchar* from = pixels_.constScanLine(top + y) + 3 * static_cast<std::ptrdiff_t>(device.left());
            auto* to = reinterpret_cast<QRgb*>(band_.scanLine(y));
            for (int x = 0; x < device.width(); ++x, from += 3) {
                to[x] = qRgb(from[0], from[1], from[2]);
            }
        }
        painter.drawImage(QPointF(device.left(), top) / ratio_, band_, QRectF(0, 0, device.width(), rows));
    }
}

}  // namespace dakru::ui
