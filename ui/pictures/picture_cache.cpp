#include "picture_cache.h"

namespace dakru::ui {

PictureCache::PictureCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

const QPixmap& PictureCache::get(const std::string& fileName, qreal ratio)
{
    return pictures_.try_emplace(fileName, folder_, fileName).first->second.at(ratio);
}

void PictureCache::readAhead(const std::string& fileName, qreal ratio)
{
    pictures_.try_emplace(fileName, folder_, fileName).first->second.readAhead(ratio);
}

}  // namespace dakru::ui
