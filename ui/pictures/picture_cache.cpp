#include "picture_cache.h"

namespace dakru::ui {

PictureCache::PictureCache(std::filesystem::path folder) : folder_(std::move(folder)) {}

const QPixmap& PictureCache::get(const std::string& fileName, qreal ratio)
{
    return entry(fileName).at(ratio);
}

void PictureCache::readAhead(const std::string& fileName, qreal ratio)
{
    entry(fileName).readAhead(ratio);
}

Picture& PictureCache::entry(const std::string& fileName)
{
    return pictures_.try_emplace(fileName, folder_, fileName).first->second;
}

}  // namespace dakru::ui
