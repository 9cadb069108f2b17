#pragma once

#include <QByteArray>
#include <QImage>

#include <vector>

namespace dakru::art {

// A Windows icon container holding each image as an embedded PNG, which every
// Windows since Vista and the resource compiler read. Images up to 256 pixels.
QByteArray icoFile(const std::vector<QImage>& images);

}  // namespace dakru::art
