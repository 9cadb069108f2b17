#pragma once

#include <array>
#include <optional>
#include <vector>

#include "game_state.h"
#include "sheet.h"

namespace dakru {

// What the player did, one step at a time.
enum class RecordedMove { Roll, Call, Write, Undo, Hint };

struct RecordedEvent {
    RecordedMove move = RecordedMove::Roll;
    std::array<int, kDiceCount> faces{};  // a roll: every die's face after it
    std::array<bool, kDiceCount> held{};  // a roll: the dice held through it
    Column column = Column::Down;         // a write
    int row = 0;                          // a call or a write: 1 to 14
    bool operator==(const RecordedEvent&) const = default;
};

// Every decision of a game as it happened, for the review afterwards: each
// roll with its holds, each call and write, each undo and each hint shown.
// A game taken up from a position (a game kept by a version that did not
// record) has no record of what came before: the record then starts there.
struct GameRecord {
    // None for a game recorded from its first roll; else the position the
    // record starts from, with the marks the rules give it.
    std::optional<GameState> start;
    std::vector<RecordedEvent> events;

    // The record of a game taken up at `state`; an empty sheet between turns
    // is a new game. Only what play reads of the state is kept.
    static GameRecord startingAt(const GameState& state);

    // The turn the record has from its start (1 for a whole game), and
    // whether it starts inside that turn, after some of its rolls.
    int firstTurn() const;
    bool startsMidTurn() const;

    void roll(const std::array<bool, kDiceCount>& held, const std::array<int, kDiceCount>& faces);
    void call(int row);
    void write(Column column, int row);
    void undo();
    void hint();

    bool operator==(const GameRecord&) const = default;
};

}  // namespace dakru
