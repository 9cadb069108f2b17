#pragma once

#include <QImage>
#include <filesystem>

namespace dakru::ui {

// The picture of a JPEG file, in the toolkit's RGB32 format. Where the build
// has the JPEG library built in, it decodes the file without loading any of
// the toolkit's image plugins (see the CMake file). Null when the file is
// missing, is not a JPEG file, cannot be decoded, or holds colours other than
// grey or RGB; damaged data that still decodes shows as the decoder leaves it.
// Safe on any thread.
QImage readJpegFile(const std::filesystem::path& path);

}  // namespace dakru::ui
