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

bool thrown(const GameState& state)
{
    return std::all_of(state.dice.begin(), state.dice.end(), [](const Die& d) { return d.face; });
}

std::array<int, kDiceCount> facesOf(const GameState& state)
{
    std::array<int, kDiceCount> faces{};
    std::transform(state.dice.begin(), state.dice.end(), faces.begin(), [](const Die& d) { return *d.face; });
    return faces;
}

// Another roll, unless the third is made or the call the game demands is missing.
bool mayRoll(const GameState& state)
{
    const int rolls = state.RollCount.value_or(0);
    const bool refused = state.CalledRow.value_or(0) == 0 && rolls == 1 && onlyCallCellsLeft(state.cells);
    return rolls < 3 && !refused;
}

Counts keptBy(const std::array<bool, kDiceCount>& hold, const GameState& state)
{
    Counts keep{};
    for (int n = 0; n < kDiceCount; ++n) {
        if (hold[n]) {
            ++keep[*state.dice[n].face - 1];
        }
    }
    return keep;
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

const std::vector<Action>* Advisor::appraise(const GameState& state)
{
    if (appraisedState_ == state) {
        return appraised_.empty() ? nullptr : &appraised_;
    }
    appraisedState_ = state;
    appraised_.clear();
    if (!state.rollVisible || full(state.cells)) {
        return nullptr;
    }
    const TurnPlan& plan = planFor(state.cells);
    const int rolls = state.RollCount.value_or(0);
    if (rolls == 0 || !thrown(state)) {
        Action roll;
        roll.expectedScore = plan.beforeFirstRoll();
        appraised_.push_back(roll);
        return &appraised_;
    }

    const DiceTables& dice = DiceTables::get();
    const std::array<int, kDiceCount> faces = facesOf(state);
    const int t = dice.throwIndex(faces);
    const int called = state.CalledRow.value_or(0);

    std::vector<Action>& actions = appraised_;
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
    if (mayRoll(state)) {
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
        return nullptr;
    }
    const auto byScore = [](const Action& a, const Action& b) { return a.expectedScore > b.expectedScore; };
    std::stable_sort(actions.begin(), actions.end(), byScore);
    lookAhead(actions, state.cells);
    std::stable_sort(actions.begin(), actions.end(), byScore);
    return &actions;
}

std::optional<Advice> Advisor::advise(const GameState& state, std::size_t alternatives)
{
    const std::vector<Action>* actions = appraise(state);
    if (!actions) {
        return std::nullopt;
    }
    // Counted so that SIZE_MAX alternatives cannot wrap to none.
    const std::size_t count = alternatives < actions->size() ? alternatives + 1 : actions->size();
    return Advice{{actions->begin(), actions->begin() + static_cast<std::ptrdiff_t>(count)}};
}

std::optional<double> Advisor::expectedScore(const GameState& state, const Action& action)
{
    const std::vector<Action>* actions = appraise(state);
    if (!actions) {
        return std::nullopt;
    }
    if (action.move != Move::Roll) {
        for (const Action& a : *actions) {
            if (a.move == action.move && a.column == action.column && a.row == action.row) {
                return a.expectedScore;
            }
        }
        return std::nullopt;
    }
    if (!thrown(state) || state.RollCount.value_or(0) == 0) {
        return actions->front().expectedScore;  // the turn's first roll: nothing is held
    }
    const Counts keep = keptBy(action.hold, state);
    for (const Action& a : *actions) {
        if (a.move == Move::Roll && keptBy(a.hold, state) == keep) {
            return a.expectedScore;
        }
    }
    // Holding all five is never advised, yet the game allows it.
    if (!mayRoll(state)) {
        return std::nullopt;
    }
    const DiceTables& dice = DiceTables::get();
    return planFor(state.cells)
        .roll(state.RollCount.value_or(0) + 1, state.CalledRow.value_or(0), dice.keepIndex(keep));
}

}  // namespace dakru::advisor
