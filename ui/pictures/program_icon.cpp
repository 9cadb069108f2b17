#include "program_icon.h"

#include <QDirIterator>
#include <QImageReader>

namespace dakru::ui {

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")});
    while (sizes.hasNext()) {
        // Read as PNG outright: left to guess, the reader loads every picture
        // plugin there is to ask it first.
        QImageReader reader(sizes.next(), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

}  // namespace dakru::ui
