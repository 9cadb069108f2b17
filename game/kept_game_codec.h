#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_record.h"
#include "game_state.h"

namespace dakru {

// The kept game as one text: the state (game_state_codec.h), then the record
// of its decisions (game_record_codec.h) from its own header line on.
std::string encodeKeptGame(const GameState& state, const GameRecord& record);

struct DecodedKeptGame {
    std::optional<GameState> state;  // as decodeGameState gives it
    std::string error;
    bool otherVersion = false;
    // The record, when the text has one this program reads; a game kept
    // without one (by an older version) or with a damaged one goes on, and
    // its record starts from the position.
    std::optional<GameRecord> record;
    std::string recordError;  // why a record that is there was not taken
};
DecodedKeptGame decodeKeptGame(std::string_view text);

}  // namespace dakru
