#include "data_folder.h"

#include <QDir>
#include <QFileInfo>

namespace dakru::app {
namespace {

bool holdsGameData(const QString& folder)
{
    const QDir dir(folder);
    return QFileInfo(dir.filePath(QStringLiteral("Pictures"))).isDir()
           && QFileInfo(dir.filePath(QStringLiteral("Sounds"))).isDir();
}

}  // namespace

DataSearch findDataFolder(const QString& programDir, const QString& relativeDataDir,
                          const QStringList& standardDataDirs)
{
    QStringList candidates{programDir, QDir(programDir).filePath(relativeDataDir)};
    for (const QString& dir : standardDataDirs)
        candidates << QDir(dir).filePath(QStringLiteral("dakru"));

    DataSearch search;
    for (const QString& candidate : candidates) {
        const QString place = QDir::cleanPath(QDir(candidate).absolutePath());
        if (search.places.contains(place))
            continue;
        search.places << place;
        if (holdsGameData(place)) {
            search.folder = place;
            break;
        }
    }
    return search;
}

}  // namespace dakru::app
