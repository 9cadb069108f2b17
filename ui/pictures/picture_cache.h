#pragma once

#include <QPixmap>
#include <filesystem>
#include <string>
#include <unordered_map>

#include "picture.h"

namespace dakru::ui {

// Pictures of one folder, decoded once and kept by file name: the dice are
// redrawn every half second between turns.
class PictureCache {
public:
    explicit PictureCache(std::filesystem::path folder);

    // The picture for a screen of `ratio` device pixels per layout pixel (see
    // Picture::at), or a null pixmap when the file is missing or unreadable;
    // that is reported once on stderr, and the caller draws a plain stand-in.
    const QPixmap& get(const std::string& fileName, qreal ratio);

    // Starts reading a picture that a get() will soon ask for (see Picture::readAhead).
    void readAhead(const std::string& fileName, qreal ratio);

private:
    // The picture of that name, made on first asking.
    Picture& entry(const std::string& fileName);

    std::filesystem::path folder_;
    std::unordered_map<std::string, Picture> pictures_;
};

}  // namespace dakru::ui
