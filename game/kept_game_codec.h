#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game_record.h"
#include "game_state.h"
#include "seat.h"

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

// A game for several players as one text: a header, whose turn it is, then
// for each player a line "player person NAME" or "player computer KEY NAME"
// followed by that player's game as encodeKeptGame writes it.
inline constexpr int kKeptTableVersion = 1;
std::string encodeKeptTable(const TableGames& table);

// Whether the text is a kept table at all (then decodeKeptTable reads it).
bool isKeptTable(std::string_view text);

struct DecodedKeptTable {
    std::optional<TableGames> table;
    std::string error;
    bool otherVersion = false;
};
// Every player's game must be whole, with its record (a table never came
// from a version that kept no record).
DecodedKeptTable decodeKeptTable(std::string_view text);

}  // namespace dakru
