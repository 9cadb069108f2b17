#include "advisor.h"

#include <algorithm>

#include "dice_tables.h"
#include "legal_cells.h"
#include "row_value.h"
#include "turn_plan.h"

namespace dakru::advisor {
namespace {

Sheet valuesOnly(const Sheet& sheet)
{
    Sheet values = sheet;
    for (auto& column : values) {
        for (Cell& c : column) {
            c.marked = false;
        }
    }
    return values;
}

bool full(const Sheet& sheet)
{
    for (const auto& column : sheet) {
        for (const Cell& c : column) {
            if (!c.value) {
                return false;
            }
        }
    }
    return true;
}

// The dice to hold for a keep: dice already held first, so that following the
// advice takes as few clicks as it can.
std::array<bool, kDiceCount> holdFor(const Counts& keep, const GameState& state)
{
    Counts left = keep;
    std::array<bool, kDiceCount> hold{};
    for (const bool heldFirst : {true, false}) {
        for (int n = 0; n < kDiceCount; ++n) {
            const Die& d = state.dice[n];
            if (hold[n] || d.held != heldFirst || !d.face) {
                continue;
            }
            if (auto& need = left[*d.face - 1]; need > 0) {
                --need;
                hold[n] = true;
            }
        }
    }
    return hold;
}

}  // namespace

Advisor::Advisor(const Model& model, Depth depth) : valuer_(std::make_unique<SheetValuer>(model)), depth_(depth) {}
Advisor::~Advisor() = default;
Advisor::Advisor(Advisor&&) noexcept = default;
Advisor& Advisor::operator=(Advisor&&) noexcept = default;

const TurnPlan& Advisor::planFor(const Sheet& sheet)
{
    const Sheet values = valuesOnly(sheet);
    if (!plan_ || plannedSheet_ != values) {
        plan_ = std::make_unique<TurnPlan>(*valuer_, values);
        plannedSheet_ = values;
    }
    return *plan_;
}

void Advisor::lookAhead(std::vector<Action>& actions, const Sheet& sheet) const
{
    if (depth_ == Depth::Turn || actions.front().move != Move::Write) {
        return;
    }
    // Writes this close to the best are told apart by the next turn too: the
    // exact expectation of that turn's dice, each throw played as the plan
    // plays it. The best of them by that keeps the best score; the others
    // keep their distance from it.
    constexpr double kClose = 15;
    const double best = actions.front().expectedScore;
    const Sheet values = valuesOnly(sheet);
    std::vector<std::pair<Action*, double>> close;
    for (Action& a : actions) {
        if (a.move != Move::Write || a.expectedScore < best - kClose) {
            continue;
        }
        Sheet after = values;
        after[index(a.column)][a.row - 1].value = a.score;
        if (full(after)) {
            return;  // the last write: nothing follows it
        }
        close.emplace_back(&a, TurnPlan(*valuer_, after).beforeFirstRoll());
    }
    double deepest = close.front().second;
    for (const auto& [a, deeper] : close) {
        deepest = std::max(deepest, deeper);
    }
    for (const auto& [a, deeper] : close) {
        a->expectedScore = best + deeper - deepest;
    }
}

double Advisor::expectedScore(const Sheet& sheet)
{
    return planFor(sheet).beforeFirstRoll();
}

std::optional<Advice> Advisor::advise(const GameState& state, std::size_t alternatives)
{
    if (!state.rollVisible || full(state.cells)) {
        return std::nullopt;
    }
    const TurnPlan& plan = planFor(state.cells);
    const int rolls = state.RollCount.value_or(0);
    const bool thrown = std::all_of(state.dice.begin(), state.dice.end(), [](const Die& d) { return d.face; });
    if (rolls == 0 || !thrown) {
        Action roll;
        roll.expectedScore = plan.beforeFirstRoll();
        return Advice{{roll}};
    }

    const DiceTables& dice = DiceTables::get();
    std::array<int, kDiceCount> faces{};
    std::transform(state.dice.begin(), state.dice.end(), faces.begin(), [](const Die& d) { return *d.face; });
    const int t = dice.throwIndex(faces);
    const int called = state.CalledRow.value_or(0);

    std::vector<Action> actions;
    // The cells as the engine marked them after this roll.
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (!state.cells[index(column)][row - 1].marked) {
                continue;
            }
            Action a;
            a.column = column;
            a.row = row;
            if (column == Column::Call && called != row) {
                if (called > 0) {
                    continue;
                }
                a.move = Move::Call;
                a.expectedScore = plan.call(row, t);
            } else {
                a.move = Move::Write;
                a.score = RowValue(row, faces);
                a.expectedScore = plan.write(column, row, t);
            }
            actions.push_back(a);
        }
    }
    // Another roll, unless the third is made or the call the game demands is missing.
    const bool refused = called == 0 && rolls == 1 && onlyCallCellsLeft(state.cells);
    if (rolls < 3 && !refused) {
        const int all = dice.throwKeep(t);
        for (const int k : dice.subKeeps(t)) {
            if (k == all) {
                continue;  // holding all five spends a roll for nothing
            }
            Action a;
            a.hold = holdFor(dice.keep(k), state);
            a.expectedScore = plan.roll(rolls + 1, called, k);
            actions.push_back(a);
        }
    }
    if (actions.empty()) {
        return std::nullopt;
    }
    const auto byScore = [](const Action& a, const Action& b) { return a.expectedScore > b.expectedScore; };
    std::stable_sort(actions.begin(), actions.end(), byScore);
    lookAhead(actions, state.cells);
    std::stable_sort(actions.begin(), actions.end(), byScore);
    actions.resize(std::min(actions.size(), alternatives + 1));
    return Advice{std::move(actions)};
}

}  // namespace dakru::advisor
