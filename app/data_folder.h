#pragma once

#include <optional>

#include <QString>
#include <QStringList>

namespace dakru::app {

// Where the game looked for its pictures and sounds, and what it found.
struct DataSearch {
    std::optional<QString> folder;  // the first place holding both Pictures/ and Sounds/
    QStringList places;             // every place looked at, in order, without repeats
};

// Looks beside the program first (the build tree, a portable folder, Windows),
// then at relativeDataDir from the program's folder (an installed copy), then
// in a dakru/ folder of each standard data folder.
DataSearch findDataFolder(const QString& programDir, const QString& relativeDataDir,
                          const QStringList& standardDataDirs);

}  // namespace dakru::app
