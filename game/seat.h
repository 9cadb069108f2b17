#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game_record.h"
#include "game_state.h"

namespace dakru {

// A player at a table of several: a person with a name, or the computer at a
// strength (named by the key files keep: "easy", "medium", "strong").
struct Seat {
    std::string name;
    std::optional<std::string> computer;  // none for a person

    bool person() const { return !computer; }
    bool operator==(const Seat&) const = default;
};

inline constexpr int kMostSeats = 6;

// A game for several players, whole: the players in the order they take their
// turns, each one's game and record, and whose turn it is.
struct TableGames {
    std::vector<Seat> seats;
    std::vector<GameState> games;
    std::vector<GameRecord> records;
    int turn = 0;

    bool operator==(const TableGames&) const = default;
};

// One player's place at the end of a game for several: best first, ties in
// the order of play.
struct Placing {
    int seat = 0;
    int score = 0;
    bool operator==(const Placing&) const = default;
};

}  // namespace dakru
