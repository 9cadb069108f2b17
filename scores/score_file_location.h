#pragma once

#include <filesystem>
#include <functional>

#include <QString>

namespace dakru::scores {

// True when a file can be created in the folder (a probe file is made and removed).
bool folderIsWritable(const QString& folder);

// Where the high-score table lives: dakru.dhs in the game's data folder, beside
// its pictures and sounds. Where that folder cannot be written (an installed
// copy under a system folder), the table lives in the per-user data folder
// instead, which is created and, when it has no table yet, seeded with the
// table shipped in the data folder.
std::filesystem::path scoreFileLocation(const QString& dataDir, const QString& userDataDir,
                                        const std::function<bool(const QString&)>& isWritable = folderIsWritable);

// The same with this program's per-user data folder.
std::filesystem::path scoreFileLocation(const QString& dataDir);

}  // namespace dakru::scores
