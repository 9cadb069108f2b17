#pragma once

#include <QPixmap>
#include <filesystem>
#include <string>
#include <unordered_map>

namespace dakru::ui {

QString toQString(const std::filesystem::path& path);

// Pictures of one folder, decoded once and kept by file name: the dice are
// redrawn every half second between turns.
class PictureCache {
public:
    explicit PictureCache(std::filesystem::path folder);

    // The picture, or a null pixmap when the file is missing or unreadable;
    // that is reported once on stderr, and the caller draws a plain stand-in.
    const QPixmap& get(const std::string& fileName);

private:
    std::filesystem::path folder_;
    std::unordered_map<std::string, QPixmap> pictures_;
};

}  // namespace dakru::ui
