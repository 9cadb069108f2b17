#include "computer_turn.h"

#include <algorithm>

namespace dakru::advisor {
namespace {

bool full(const Sheet& sheet)
{
    return std::all_of(sheet.begin(), sheet.end(), [](const auto& column) {
        return std::all_of(column.begin(), column.end(), [](const Cell& c) { return c.value.has_value(); });
    });
}

// What a decision depends on: the state without the holds, which change as
// the decision is carried out.
GameState position(const GameState& state)
{
    GameState p = state;
    for (Die& d : p.dice) {
        d.held = false;
    }
    return p;
}

}  // namespace

std::optional<TurnStep> ComputerTurn::next(const GameState& state)
{
    if (!state.rollVisible || full(state.cells)) {
        return std::nullopt;
    }
    const GameState here = position(state);
    if (decidedIn_ != here) {
        decided_ = player_->decide(state);
        decidedIn_ = here;
    }
    TurnStep step;
    switch (decided_.move) {
    case Move::Roll:
        for (int n = 1; n <= kDiceCount; ++n) {
            const Die& d = state.dice[n - 1];
            // Blank dice, before the first roll of a turn, take no hold.
            if (d.face && d.held != decided_.hold[n - 1]) {
                step.kind = decided_.hold[n - 1] ? TurnStep::Kind::Hold : TurnStep::Kind::Release;
                step.die = n;
                return step;
            }
        }
        step.kind = TurnStep::Kind::Roll;
        return step;
    case Move::Call: step.kind = TurnStep::Kind::Call; break;
    case Move::Write:
        step.kind = TurnStep::Kind::Write;
        step.score = decided_.score;
        break;
    }
    step.column = decided_.column;
    step.row = decided_.row;
    return step;
}

void takeStep(Engine& engine, const TurnStep& step)
{
    switch (step.kind) {
    case TurnStep::Kind::Hold:
    case TurnStep::Kind::Release: engine.Kockap_Click(step.die); break;
    case TurnStep::Kind::Roll: engine.Roll_Click(); break;
    case TurnStep::Kind::Call:
    case TurnStep::Kind::Write: engine.Cell_Click(step.column, step.row); break;
    }
}

}  // namespace dakru::advisor
