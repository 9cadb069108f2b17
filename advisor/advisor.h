#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "game_state.h"
#include "model.h"
#include "sheet.h"

namespace dakru::advisor {

class TurnPlan;

enum class Move {
    Roll,   // hold the dice marked in `hold` (release the others), then roll
    Call,   // place a call on `row` of the Call column
    Write,  // write `score` into the cell at `column`, `row`
};

struct Action {
    Move move = Move::Roll;
    std::array<bool, kDiceCount> hold{};
    Column column = Column::Down;
    int row = 0;
    int score = 0;
    double expectedScore = 0;  // the game's expected final score after this action
    bool operator==(const Action&) const = default;
};

// The best action first, then the next best few.
struct Advice {
    std::vector<Action> actions;
    const Action& best() const { return actions.front(); }
};

// How far the advisor looks: to the end of this turn, or, between writes
// about as good, through the next turn too. The model is learned at the first.
enum class Depth { Turn, NextTurn };

// The computer player. Reads a game state, never changes one. Keeps the plan
// of the current turn, so the decisions after the first of a turn are quick.
class Advisor {
public:
    explicit Advisor(const Model& model = learnedModel(), Depth depth = Depth::NextTurn);
    ~Advisor();
    Advisor(Advisor&&) noexcept;
    Advisor& operator=(Advisor&&) noexcept;

    // Nothing when the game has nothing left to do (a full sheet, a score dealt with).
    // SIZE_MAX alternatives lists every action the advisor tells apart.
    std::optional<Advice> advise(const GameState& state, std::size_t alternatives = 4);

    // The game's expected final score after any legal action now, advised or
    // not (holding all five dice and rolling, say), on the same footing as
    // advise(): its best action's score is the highest. For a roll only the
    // dice held count, not which of equal dice. Nothing when the game does
    // not allow the action now.
    std::optional<double> expectedScore(const GameState& state, const Action& action);

    // The expected final score of a sheet at the start of a turn.
    double expectedScore(const Sheet& sheet);

private:
    const TurnPlan& planFor(const Sheet& sheet);
    void lookAhead(std::vector<Action>& actions, const Sheet& sheet) const;
    // Every action the advisor tells apart in `state`, best first; none when
    // there is nothing to do. Kept for the last state asked about.
    const std::vector<Action>* appraise(const GameState& state);

    std::unique_ptr<SheetValuer> valuer_;
    Depth depth_;
    std::optional<Sheet> plannedSheet_;
    std::unique_ptr<TurnPlan> plan_;
    std::optional<GameState> appraisedState_;
    std::vector<Action> appraised_;
};

}  // namespace dakru::advisor
