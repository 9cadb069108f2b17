#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_state.h"

namespace dakru {

// A game state as a few lines of text: a versioned header, one line per column
// of the sheet ("-" for an empty cell, "*" after a marked one), the dice ("h"
// after a held one), DiceFaces, the roll count, the call and the marker; then,
// where they apply, whether it was assisted, its identity and whether the table
// has taken its score. The first version had neither identity nor taken score,
// and is still read.
inline constexpr int kGameStateVersion = 2;
inline constexpr int kOldestGameStateVersion = 1;

std::string encodeGameState(const GameState& state);

// The state, or why the text is not one this program wrote: another file, a
// newer version, a damaged line, a position no play can reach. Never a part of it.
struct DecodedGameState {
    std::optional<GameState> state;
    std::string error;
    bool otherVersion = false;  // another version's file: not this program's to read or replace
};
DecodedGameState decodeGameState(std::string_view text);

}  // namespace dakru
