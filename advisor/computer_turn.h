#pragma once

#include <memory>
#include <optional>
#include <utility>

#include "engine.h"
#include "game_state.h"
#include "players.h"

namespace dakru::advisor {

// One thing a computer player does on screen, as a person would do it: a
// click on a die, on ROLL, or on a cell.
struct TurnStep {
    enum class Kind {
        Hold,     // click die `die` (1 to 5) to hold it
        Release,  // click die `die` to let it go
        Roll,
        Call,   // place the call on `row` of the Call column
        Write,  // write `score` into `column`, `row`: the turn's last step
    };
    Kind kind = Kind::Roll;
    int die = 0;
    Column column = Column::Down;
    int row = 0;
    int score = 0;
    bool operator==(const TurnStep&) const = default;
};

// A computer player's turn, step by step. Each decision of the player (roll
// keeping these dice, call, write) becomes the clicks that carry it out; the
// display takes the steps one at a time at its own pace, or all of them at
// once to skip to the end of the turn. The player thinks once for each
// position; the clicks that follow read what it decided.
class ComputerTurn {
public:
    explicit ComputerTurn(std::unique_ptr<Player> player) : player_(std::move(player)) {}

    // The next step in `state`, whose turn this player's is; nothing when the
    // sheet is full or the game is over.
    std::optional<TurnStep> next(const GameState& state);

private:
    std::unique_ptr<Player> player_;
    std::optional<GameState> decidedIn_;  // the position of the last decision, holds left out
    Action decided_;
};

// Carries a step out on the engine, with the click a person would make.
void takeStep(Engine& engine, const TurnStep& step);

}  // namespace dakru::advisor
