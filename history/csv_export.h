#pragma once

#include <string>
#include <vector>

#include "finished_game.h"

namespace dakru::history {

// The history as CSV (RFC 4180: comma-separated, lines ended by CR LF): a
// header row, then one game a line in the order given, its 56 cells in reading
// order followed by the twelve section sums, and last whether the row is
// damaged (1: values no game can have; such rows are kept, marked).
std::string toCsv(const std::vector<FinishedGame>& games);

}  // namespace dakru::history
