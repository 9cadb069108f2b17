#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "history_error.h"

namespace dakru::app {

// dakru --export-history FILE: writes every game of the history kept in the
// player's folder as CSV (damaged rows too, marked), through the storage seam,
// and says how many on standard output; "-" writes the CSV itself to standard
// output. The history is only read: without one the CSV is its header alone.
// The program's exit status: 0 when written; 1 when the history cannot be read
// (busy beyond the wait, a newer version's, no permission) or the file cannot
// be written; 2 when FILE is the history itself or its log. Each said in one
// line on standard error.
// `wait`: how long a history busy in another copy is waited for.
int exportHistory(const std::filesystem::path& playerFolder, const std::filesystem::path& csvFile,
                  std::chrono::milliseconds wait = std::chrono::seconds(5));

// Why the history at `file` cannot be read, in one line for the terminal.
std::string historyTroubleLine(const std::filesystem::path& file, const history::HistoryError& error);

}  // namespace dakru::app
