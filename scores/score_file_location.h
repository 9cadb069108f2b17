#pragma once

#include <filesystem>
#include <functional>
#include <optional>

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

// The table's file as the game hands it on, found when first asked for: the
// search makes a probe file beside the data, which the window's first frame
// need not wait for.
class TableFile {
public:
    // A table whose place is known.
    explicit TableFile(std::filesystem::path known) : path_(std::move(known)) {}
    // A table found by `find`, on the first path().
    explicit TableFile(std::function<std::filesystem::path()> find) : find_(std::move(find)) {}

    const std::filesystem::path& path()
    {
        if (!path_) {
            path_ = find_();
        }
        return *path_;
    }

private:
    std::function<std::filesystem::path()> find_;
    std::optional<std::filesystem::path> path_;
};

}  // namespace dakru::scores
