#include "players.h"

#include <algorithm>
#include <cmath>
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

std::uint64_t mix(std::uint64_t h, std::uint64_t v)
{
    // One step of splitmix64 over the running hash and the next value.
    std::uint64_t z = h + v + 0x9e3779b97f4a7c15ull;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

// A number in [0, 1) fixed by the seed and the position the decision is made
// in: the written cells, the faces, the roll count and the call. Holds are
// left out: they are what the decision is carried out by.
double chanceFor(std::uint64_t seed, const GameState& state)
{
    std::uint64_t h = mix(0, seed);
    for (const auto& column : state.cells) {
        for (const Cell& c : column) {
            h = mix(h, c.value ? static_cast<std::uint64_t>(*c.value) + 1 : 0);
        }
    }
    for (const Die& d : state.dice) {
        h = mix(h, static_cast<std::uint64_t>(d.face.value_or(0)));
    }
    h = mix(h, static_cast<std::uint64_t>(state.RollCount.value_or(0)));
    h = mix(h, static_cast<std::uint64_t>(state.CalledRow.value_or(0)));
    return static_cast<double>(h >> 11) * 0x1.0p-53;
}

// More than a position ever offers (56 cells and 31 ways to keep dice).
constexpr std::size_t kAllActions = 128;

}  // namespace

Action SamplingAdvisorPlayer::decide(const GameState& state)
{
    const std::optional<Advice> advice = advisor_.advise(state, kAllActions);
    if (!advice) {
        return Action{};
    }
    const double best = advice->best().expectedScore;
    std::vector<double> weights;
    double sum = 0;
    for (const Action& a : advice->actions) {
        // exp(-inf) is 0: an action the plan cannot value is never taken.
        weights.push_back(std::exp((a.expectedScore - best) / temperature_));
        sum += weights.back();
    }
    double pick = chanceFor(seed_, state) * sum;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        pick -= weights[i];
        if (pick < 0) {
            return advice->actions[i];
        }
    }
    return advice->best();
}

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
