#pragma once

#include <filesystem>
#include <functional>

#include <QString>

namespace dakru::scores {

// True when a file can be created in the folder (a probe file is made and removed).
bool folderIsWritable(const QString& folder);

// Where the high-score table lives: dakru.dhs beside the program. Where the
// program's folder cannot be written (an installed copy under a system folder),
// the table lives in the per-user data folder instead, which is created and,
// when it has no table yet, seeded with the table shipped beside the program.
std::filesystem::path scoreFileLocation(const QString& programDir, const QString& userDataDir,
                                        const std::function<bool(const QString&)>& isWritable = folderIsWritable);

// The same for this program: its own folder and its data folder.
std::filesystem::path scoreFileLocation();

}  // namespace dakru::scores
