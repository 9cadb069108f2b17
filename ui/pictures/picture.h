#pragma once

#include <QPixmap>
#include <filesystem>
#include <string>

namespace dakru::ui {

QString toQString(const std::filesystem::path& path);

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

private:
    QPixmap read(qreal ratio);

    std::filesystem::path folder_;
    std::string fileName_;
    std::string standIn_;
    QPixmap shown_;
    qreal shownRatio_ = 0;
    bool ordinaryMissingTold_ = false;
    bool denseMissingTold_ = false;
};

// "Cover.jpg" -> "Cover@2x.jpg".
std::string denseFileName(const std::string& fileName);

}  // namespace dakru::ui
