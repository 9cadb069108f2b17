#pragma once

#include <QImage>
#include <QPixmap>
#include <filesystem>
#include <future>
#include <string>

namespace dakru::ui {

// One picture of the Pictures folder, drawn twice: "<name>.jpg" for ordinary
// screens and "<name>@2x.jpg" at double the size for dense ones. The files are
// read when a window first shows the picture, and again only when the window
// moves to a screen of another density.
class Picture {
public:
    // `standIn` says in the missing-file line what is shown instead.
    Picture(std::filesystem::path folder, std::string fileName, std::string standIn = {});

    // The picture for a screen of `ratio` device pixels per layout pixel, with
    // its device pixel ratio set, so that it covers the same layout pixels at
    // every ratio. Above 1 the dense file is used, and fitted smoothly to the
    // device pixels where the ratio is not 2; without it the ordinary file is
    // shown enlarged. Null when no file can be read. Each missing file is
    // reported once on stderr.
    const QPixmap& at(qreal ratio);

    // The image at() would show for `ratio`, its device pixel ratio set, handed
    // over instead of kept: for a caller that keeps it in a form of its own.
    // Null when no file can be read; each missing file is reported once. It may
    // run on a thread of its own while nothing else uses this picture.
    QImage take(qreal ratio);

    // Starts reading the picture for `ratio` on a thread of its own, so that
    // the at() or take() that follows finds it read (or waits for the rest).
    void readAhead(qreal ratio);

private:
    // What was read for a ratio: the image, fitted to the device pixels, and
    // which files were missing.
    struct Read {
        QImage image;
        qreal ratio = 1;
        bool ordinaryMissing = false;
        bool denseMissing = false;  // the ordinary file is shown enlarged instead
    };
    static Read read(const std::filesystem::path& folder, const std::string& fileName, qreal ratio);

    std::filesystem::path folder_;
    std::string fileName_;
    std::string standIn_;
    QPixmap shown_;
    qreal shownRatio_ = 0;
    std::future<Read> ahead_;
    qreal aheadRatio_ = 0;
    bool ordinaryMissingTold_ = false;
    bool denseMissingTold_ = false;
};

// "Cover.jpg" -> "Cover@2x.jpg".
std::string denseFileName(const std::string& fileName);

}  // namespace dakru::ui
