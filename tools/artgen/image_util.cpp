#include "image_util.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace dakru::art {

QImage renderSupersampled(QSize size, int scale, int factor, const QColor& ground,
                          const std::function<void(QPainter&)>& paint)
{
    QImage big(size * scale * factor, QImage::Format_ARGB32_Premultiplied);
    big.fill(ground);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.scale(scale * factor, scale * factor);
        paint(p);
    }
    return big.scaled(size * scale, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

namespace {

// One horizontal box pass over premultiplied ARGB, each channel on its own.
QImage boxPass(const QImage& src, int radius)
{
    QImage dst(src.size(), QImage::Format_ARGB32_Premultiplied);
    const int w = src.width();
    const int window = 2 * radius + 1;
    std::vector<int> sum(4);
    for (int y = 0; y < src.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(dst.scanLine(y));
        auto at = [&](int x) { return in[std::clamp(x, 0, w - 1)]; };
        std::fill(sum.begin(), sum.end(), 0);
        for (int x = -radius; x <= radius; ++x) {
            const QRgb c = at(x);
            sum[0] += qAlpha(c), sum[1] += qRed(c), sum[2] += qGreen(c), sum[3] += qBlue(c);
        }
        for (int x = 0; x < w; ++x) {
            out[x] = qRgba(sum[1] / window, sum[2] / window, sum[3] / window, sum[0] / window);
            const QRgb leaving = at(x - radius);
            const QRgb entering = at(x + radius + 1);
            sum[0] += qAlpha(entering) - qAlpha(leaving);
            sum[1] += qRed(entering) - qRed(leaving);
            sum[2] += qGreen(entering) - qGreen(leaving);
            sum[3] += qBlue(entering) - qBlue(leaving);
        }
    }
    return dst;
}

QImage transposed(const QImage& image)
{
    QImage t(image.height(), image.width(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            reinterpret_cast<QRgb*>(t.scanLine(x))[y] = in[x];
    }
    return t;
}

}  // namespace

QImage blurred(const QImage& image, int radius)
{
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return work;
    for (int pass = 0; pass < 3; ++pass)
        work = boxPass(work, radius);
    work = transposed(work);
    for (int pass = 0; pass < 3; ++pass)
        work = boxPass(work, radius);
    return transposed(work);
}

}  // namespace dakru::art
