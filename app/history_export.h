#pragma once

#include <filesystem>

namespace dakru::app {

// dakru --export-history FILE: writes every game of the history kept in the
// player's folder as CSV and
// says how many on standard output. The program's exit status: 0 when written,
// 1 when the history cannot be read or the file cannot be written (said on
// standard error).
int exportHistory(const std::filesystem::path& playerFolder, const std::filesystem::path& csvFile);

}  // namespace dakru::app
