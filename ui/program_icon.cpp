#include "program_icon.h"

#include <QDirIterator>

namespace dakru::ui {

QIcon programIcon()
{
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")});
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    return icon;
}

}  // namespace dakru::ui
