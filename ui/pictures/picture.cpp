#include "picture.h"

#include <QImage>
#include <cmath>
#include <cstdio>

namespace dakru::ui {

QString toQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.generic_u16string());
}

std::string denseFileName(const std::string& fileName)
{
    const std::filesystem::path name(fileName);
    return name.stem().string() + "@2x" + name.extension().string();
}

Picture::Picture(std::filesystem::path folder, std::string fileName, std::string standIn)
    : folder_(std::move(folder)), fileName_(std::move(fileName)), standIn_(std::move(standIn))
{
}

const QPixmap& Picture::at(qreal ratio)
{
    if (ratio != shownRatio_) {
        shownRatio_ = ratio;
        shown_ = read(ratio);
    }
    return shown_;
}

QPixmap Picture::read(qreal ratio)
{
    const std::filesystem::path densePath = folder_ / denseFileName(fileName_);
    if (ratio == 2) {
        QPixmap dense(toQString(densePath));
        if (!dense.isNull()) {
            dense.setDevicePixelRatio(2);
            return dense;
        }
    } else if (ratio > 1) {
        // Fitted to the device pixels and drawn one to one: letting the painter
        // shrink it would drop whole rows and columns of pixels.
        const QImage dense(toQString(densePath));
        if (!dense.isNull()) {
            const QSize device(static_cast<int>(std::ceil(dense.width() * ratio / 2)),
                               static_cast<int>(std::ceil(dense.height() * ratio / 2)));
            QPixmap fitted = QPixmap::fromImage(dense.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
            fitted.setDevicePixelRatio(ratio);
            return fitted;
        }
    }
    const std::filesystem::path path = folder_ / fileName_;
    QPixmap ordinary(toQString(path));
    if (ordinary.isNull()) {
        if (!std::exchange(ordinaryMissingTold_, true)) {
            std::fprintf(stderr, "dakru: cannot show picture %s%s\n", path.string().c_str(), standIn_.c_str());
        }
    } else if (ratio > 1 && !std::exchange(denseMissingTold_, true)) {
        std::fprintf(stderr, "dakru: no sharp picture %s, showing %s enlarged\n", densePath.string().c_str(),
                     fileName_.c_str());
    }
    return ordinary;
}

}  // namespace dakru::ui
