#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_error.h"

namespace dakru::history {

// The history as read for the statistics and the export: every game in the
// order recorded, or why the history cannot be read. No game is left out
// here; which of them are intact is for the reader to check.
struct HistoryContents {
    std::vector<FinishedGame> games;
    std::optional<HistoryError> error;
    bool missing = false;  // there is no history yet
};

// Reads the history at this path with read access alone: it creates, upgrades
// and moves aside nothing, and takes no lock that keeps another copy from
// recording. A history in a folder that cannot be written is read as it is on
// the disk. A newer version's history is not read.
HistoryContents readHistory(const std::filesystem::path& file, const Waiting& waiting = {});

}  // namespace dakru::history
