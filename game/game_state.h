#pragma once

#include <array>
#include <optional>

#include "game_id.h"
#include "sheet.h"

namespace dakru {

// The whole state of a game, as one plain value: the sheet with its marks, the
// dice with their holds, the roll count and the call. Undo keeps a copy of it,
// and a game kept between runs is this value on disk.
struct GameState {
    Sheet cells{};
    std::array<Die, kDiceCount> dice{};
    std::array<std::optional<int>, kDiceCount> DiceFaces{};
    std::optional<int> RollCount;  // unset until the first turn end or new game
    std::optional<int> CalledRow;  // unset likewise; 0 when no call is active
    bool rollVisible = true;       // the game-in-progress marker
    bool assisted = false;         // a hint was shown in this game: its score stays out of the table
    // The game's identity, from its first roll to the end of its hand-over:
    // the history and the table take each game's result at most once by it.
    std::optional<GameId> id;
    // The table is taking (or has taken) this game's score: it never goes there again.
    bool scoreTaken = false;

    bool operator==(const GameState&) const = default;
};

}  // namespace dakru
