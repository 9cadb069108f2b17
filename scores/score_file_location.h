#pragma once

#include <filesystem>
#include <functional>

#include <QString>

namespace dakru::scores {

// True when a file can be created in the folder (a probe file is made and removed).
bool folderIsWritable(const QString& folder);

// True when the table in the folder may be rewritten: the folder is writable
// and its dakru.dhs, if there is one, has not been made read-only.
bool tableIsWritable(const QString& folder);

// Where the high-score table lives: dakru.dhs in the game's data folder, beside
// its pictures and sounds. Where that folder or its table cannot be written (an
// installed copy under a system folder, a table made read-only), the table
// lives in the per-user data folder instead, which is created and, when it has
// no table yet, seeded with the table shipped in the data folder.
std::filesystem::path scoreFileLocation(const QString& dataDir, const QString& userDataDir,
                                        const std::function<bool(const QString&)>& isWritable = tableIsWritable);

// The same with this program's per-user data folder.
std::filesystem::path scoreFileLocation(const QString& dataDir);

}  // namespace dakru::scores
