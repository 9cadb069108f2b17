#include "program_icon.h"

#include <QImage>
#include <QPixmap>

#include "icon_pixels.h"

namespace dakru::ui {

QIcon programIcon()
{
    QIcon icon;
    // Pixels ready to show: no file to read and no picture decoder to load.
    for (const IconPixels& pixels : iconPixels()) {
        const QImage image(reinterpret_cast<const uchar*>(pixels.argb.data()), pixels.size, pixels.size,
                           QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

}  // namespace dakru::ui
