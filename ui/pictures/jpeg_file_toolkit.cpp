#include "jpeg_file.h"

namespace dakru::ui {

// Where the JPEG library is not built into the program: the toolkit's reader.
QImage readJpegFile(const std::filesystem::path& path)
{
    QImage image(QString::fromStdU16String(path.generic_u16string()), "JPEG");
    return image.format() == QImage::Format_RGB32 || image.isNull() ? image
                                                                    : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace dakru::ui
