#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "finished_game.h"

namespace dakru::history {

// The history as CSV (RFC 4180: comma-separated, lines ended by CR LF): a
// header row, then one game a line in the order given, its 56 cells in reading
// order followed by the twelve section sums.
std::string toCsv(const std::vector<FinishedGame>& games);

// Writes the text to a file, replacing it. The reason when it fails.
std::optional<std::string> writeTextFile(const std::filesystem::path& file, const std::string& text);

}  // namespace dakru::history
