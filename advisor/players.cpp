#include "players.h"

#include <algorithm>
#include <vector>

#include "legal_cells.h"
#include "row_value.h"

namespace dakru::advisor {
namespace {

bool rolled(const GameState& state)
{
    return state.RollCount.value_or(0) > 0 && state.dice[0].face.has_value();
}

std::array<int, kDiceCount> facesOf(const GameState& state)
{
    std::array<int, kDiceCount> faces{};
    for (int n = 0; n < kDiceCount; ++n) {
        faces[n] = state.dice[n].face.value_or(0);
    }
    return faces;
}

bool mayRollAgain(const GameState& state)
{
    const int rolls = state.RollCount.value_or(0);
    return rolls < 3 && !(state.CalledRow.value_or(0) == 0 && rolls == 1 && onlyCallCellsLeft(state.cells));
}

Action cellAction(const GameState& state, Column column, int row)
{
    Action a;
    a.column = column;
    a.row = row;
    const bool call = column == Column::Call && state.CalledRow.value_or(0) != row;
    a.move = call ? Move::Call : Move::Write;
    a.score = call ? 0 : RowValue(row, facesOf(state));
    return a;
}

}  // namespace

Action AdvisorPlayer::decide(const GameState& state)
{
    const std::optional<Advice> advice = advisor_.advise(state, 0);
    return advice ? advice->best() : Action{};
}

Action NearBestPlayer::decide(const GameState& state)
{
    const std::optional<Advice> advice = advisor_.advise(state, 2);
    if (!advice) {
        return Action{};
    }
    const std::vector<Action>& actions = advice->actions;
    if (actions.size() < 2 || std::uniform_int_distribution<int>(0, 3)(random_) != 0) {
        return actions.front();
    }
    return actions[std::uniform_int_distribution<std::size_t>(1, actions.size() - 1)(random_)];
}

Action RandomPlayer::decide(const GameState& state)
{
    if (!rolled(state)) {
        return Action{};
    }
    std::vector<Action> choices;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (state.cells[index(column)][row - 1].marked) {
                choices.push_back(cellAction(state, column, row));
            }
        }
    }
    if (mayRollAgain(state)) {
        Action roll;
        for (bool& h : roll.hold) {
            h = std::uniform_int_distribution<int>(0, 1)(random_) == 1;
        }
        choices.push_back(roll);
    }
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
}

Action GreedyPlayer::decide(const GameState& state)
{
    if (!rolled(state)) {
        return Action{};
    }
    const std::array<int, kDiceCount> faces = facesOf(state);
    const int called = state.CalledRow.value_or(0);
    if (called == 0 && onlyCallCellsLeft(state.cells)) {
        // Forced to call: the Call row that pays most for these dice.
        Action best;
        best.score = -1;
        for (int row = 1; row <= kRowCount; ++row) {
            if (state.cells[index(Column::Call)][row - 1].marked && RowValue(row, faces) > best.score) {
                best = cellAction(state, Column::Call, row);
                best.score = RowValue(row, faces);
            }
        }
        return best;
    }
    if (mayRollAgain(state)) {
        std::array<int, 7> count{};
        for (const int f : faces) {
            ++count[f];
        }
        int most = 1;
        for (int f = 2; f <= 6; ++f) {
            if (count[f] >= count[most]) {
                most = f;
            }
        }
        Action roll;
        for (int n = 0; n < kDiceCount; ++n) {
            roll.hold[n] = faces[n] == most;
        }
        return roll;
    }
    Action best;
    best.score = -1;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            const bool writable =
                state.cells[index(column)][row - 1].marked && (column != Column::Call || called == row);
            if (writable && RowValue(row, faces) > best.score) {
                best = cellAction(state, column, row);
            }
        }
    }
    return best;
}

}  // namespace dakru::advisor
