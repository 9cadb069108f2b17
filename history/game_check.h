#pragma once

#include <vector>

#include "finished_game.h"

namespace dakru::history {

// Whether a game read from the history is one the rules can give: every cell
// holds a value its row can score (0 or what some five dice give there), and
// the section sums and the score are those the cells make. A damaged or
// hand-edited row fails.
bool intact(const FinishedGame& game);

// The games split into those that pass and the count of those that do not,
// keeping the order of the ones that pass.
struct CheckedGames {
    std::vector<FinishedGame> intact;
    int damaged = 0;
};
CheckedGames checked(std::vector<FinishedGame> games);

}  // namespace dakru::history
