#pragma once

#include <filesystem>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "finished_game.h"
#include "write_error.h"

namespace dakru::history {

// Finished games not yet in the history: each is put here, in a small file in
// the player's folder, before the history is asked to take it, and taken out
// once it is there. So a game is never lost when the history is busy, full,
// read-only or a newer version's, nor when the program is killed meanwhile;
// it is recorded at the next chance. The file is rewritten whole through the
// storage seam. Used from the window's thread and the history's worker alike.
class KeptAside {
public:
    static constexpr const char* kFileName = "unrecorded-games.txt";

    explicit KeptAside(std::filesystem::path file);

    // Adds the game, once by its identity. When the file cannot be written the
    // game is still kept here, for as long as this program runs, and the
    // failure is returned.
    std::optional<storage::WriteError> add(const FinishedGame& game);

    // Every game kept aside, on the disk or only here.
    std::vector<FinishedGame> games();

    // Whether every game kept aside is on the disk (none only in memory).
    bool allOnDisk();
    // Tries again to put the games only in memory on the disk.
    std::optional<storage::WriteError> writeAgain();

    // Takes out the games of these identities; the file goes once it is empty.
    std::optional<storage::WriteError> remove(const std::set<std::string>& ids);

    const std::filesystem::path& file() const { return file_; }

private:
    std::vector<FinishedGame> onDisk() const;
    std::optional<storage::WriteError> writeUnwritten();  // under the lock

    std::mutex mutex_;
    std::filesystem::path file_;
    std::vector<FinishedGame> unwritten_;  // games the file could not take yet
};

// The file's text: a header line, then one game a line. A line that cannot be
// read is left out.
std::string encodeKeptAside(const std::vector<FinishedGame>& games);
std::vector<FinishedGame> decodeKeptAside(std::string_view text);

}  // namespace dakru::history
