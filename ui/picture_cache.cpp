#include "picture_cache.h"

#include <iostream>

namespace dakru::ui {

QString toQString(const std::filesystem::path& path)
{
    return QString::fromStdU16String(path.generic_u16string());
}

PictureCache::PictureCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

const QPixmap& PictureCache::get(const std::string& fileName)
{
    auto found = pictures_.find(fileName);
    if (found == pictures_.end()) {
        const std::filesystem::path path = folder_ / fileName;
        QPixmap picture(toQString(path));
        if (picture.isNull()) {
            std::cerr << "dakru: cannot show picture " << path.string() << '\n';
        }
        found = pictures_.emplace(fileName, std::move(picture)).first;
    }
    return found->second;
}

}  // namespace dakru::ui
