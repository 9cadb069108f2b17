#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "sheet.h"

namespace dakru::history {

// Which games the figures are drawn from: all, or those played alone.
enum class Players { All, Alone };

// The games of that kind, in the order given.
std::vector<FinishedGame> gamesOf(const std::vector<FinishedGame>& games, Players players);

// The places of the games, the game that ended last first. Two games ending
// in the same second keep the order they were recorded in, the later first.
std::vector<std::size_t> newestFirst(const std::vector<FinishedGame>& games);

// The place of the n-th last game to end that has a record of its decisions
// (n from 1, the last), or none when fewer have one.
std::optional<std::size_t> nthLastWithRecord(const std::vector<FinishedGame>& games, int n);

// How many games have a record of their decisions.
int gamesWithRecord(const std::vector<FinishedGame>& games);

// The sheet a finished game reached, every cell written, none marked.
Sheet sheetOf(const FinishedGame& game);

// How many players sat at the game's table: 1 for a game played alone.
int playersAt(const FinishedGame& game);

}  // namespace dakru::history
