#include "picture.h"

#include <QImage>
#include <cmath>
#include <cstdio>

#include "jpeg_file.h"

namespace dakru::ui {

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
    if (ratio == shownRatio_) {
        return shown_;
    }
    shownRatio_ = ratio;
    shown_ = QPixmap::fromImage(take(ratio));
    return shown_;
}

QImage Picture::take(qreal ratio)
{
    // A read ahead for another density (the window has moved meanwhile) is not
    // used, and not kept either.
    Read got = ahead_.valid() && aheadRatio_ == ratio ? ahead_.get() : read(folder_, fileName_, ratio);
    ahead_ = {};
    if (got.ordinaryMissing && !std::exchange(ordinaryMissingTold_, true)) {
        std::fprintf(stderr, "dakru: cannot show picture %s%s\n", (folder_ / fileName_).string().c_str(),
                     standIn_.c_str());
    }
    if (got.denseMissing && !std::exchange(denseMissingTold_, true)) {
        std::fprintf(stderr, "dakru: no sharp picture %s, showing %s enlarged\n",
                     (folder_ / denseFileName(fileName_)).string().c_str(), fileName_.c_str());
    }
    got.image.setDevicePixelRatio(got.ratio);
    return std::move(got.image);
}

void Picture::readAhead(qreal ratio)
{
    aheadRatio_ = ratio;
    ahead_ = std::async(std::launch::async, &Picture::read, folder_, fileName_, ratio);
}

// Images only, no pixmaps: this may run on a thread of its own.
Picture::Read Picture::read(const std::filesystem::path& folder, const std::string& fileName, qreal ratio)
{
    const std::filesystem::path densePath = folder / denseFileName(fileName);
    if (ratio == 2) {
        QImage dense = readJpegFile(densePath);
        if (!dense.isNull()) {
            return {std::move(dense), 2};
        }
    } else if (ratio > 1) {
        // Fitted to the device pixels and drawn one to one: letting the painter
        // shrink it would drop whole rows and columns of pixels.
        const QImage dense = readJpegFile(densePath);
        if (!dense.isNull()) {
            const QSize device(static_cast<int>(std::ceil(dense.width() * ratio / 2)),
                               static_cast<int>(std::ceil(dense.height() * ratio / 2)));
            return {dense.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), ratio};
        }
    }
    QImage ordinary = readJpegFile(folder / fileName);
    const bool missing = ordinary.isNull();
    return {std::move(ordinary), 1, missing, !missing && ratio > 1};
}

}  // namespace dakru::ui
