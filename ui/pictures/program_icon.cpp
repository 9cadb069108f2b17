#include "program_icon.h"

#include <QDirIterator>
#include <QImageReader>

namespace dakru::ui {

QIcon programIcon()
{
    QIcon icon;
    // Every file there is a PNG: a name filter would start the regular expressions for nothing.
    QDirIterator sizes(QStringLiteral(":/icons"), QDir::Files);
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
