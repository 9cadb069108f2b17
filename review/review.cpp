#include "review.h"

#include <exception>
#include <map>

#include "reachable.h"
#include "replay.h"
#include "totals.h"

namespace dakru::review {
namespace {

Kind kindOf(advisor::Move move)
{
    switch (move) {
    case advisor::Move::Roll: return Kind::Holds;
    case advisor::Move::Call: return Kind::Call;
    case advisor::Move::Write: return Kind::Write;
    }
    return Kind::Write;
}

// The decision at a choice, or none when the position left no other choice.
// False when the advisor cannot price it.
bool price(const Choice& choice, advisor::Advisor& advisor, std::optional<Decision>& out)
{
    const std::optional<advisor::Advice> advice = advisor.advise(choice.position, 1);
    const std::optional<double> played = advisor.expectedScore(choice.position, choice.action);
    if (!advice || !played) {
        return false;
    }
    out.reset();
    const bool forced = advice->actions.size() == 1 && advice->best().move != advisor::Move::Roll;
    if (forced) {
        return true;
    }
    Decision d;
    d.position = choice.position;
    d.turn = writtenCells(choice.position.cells) + 1;
    d.roll = choice.position.RollCount.value_or(0);
    d.kind = kindOf(choice.action.move);
    d.played = choice.action;
    d.played.expectedScore = *played;
    d.best = advice->best();
    d.loss = d.best.expectedScore - *played;
    d.grade = gradeOf(d.loss);
    d.hinted = choice.hinted;
    out = d;
    return true;
}

// The sums, with each decision's loss in the cell its turn was written in
// (a forced write among them, which is no decision).
void total(Review& review, const std::vector<Choice>& choices)
{
    std::map<int, std::pair<Column, int>> writtenIn;  // turn -> its cell
    for (const Choice& c : choices) {
        if (c.action.move == advisor::Move::Write) {
            writtenIn[writtenCells(c.position.cells) + 1] = {c.action.column, c.action.row};
        }
    }
    for (Decision& d : review.decisions) {
        if (const auto cell = writtenIn.find(d.turn); cell != writtenIn.end()) {
            d.column = cell->second.first;
            d.row = cell->second.second;
            review.lostByCell[index(*d.column)][d.row - 1] += d.loss;
        }
        review.lost += d.loss;
        ++review.grades[static_cast<int>(d.grade)];
        ++review.decisionsByKind[static_cast<int>(d.kind)];
        review.lostByKind[static_cast<int>(d.kind)] += d.loss;
    }
    if (!review.decisions.empty()) {
        const auto count = static_cast<double>(review.decisions.size());
        review.meanLoss = review.lost / count;
        review.bestShare = review.grades[static_cast<int>(Grade::Best)] / count;
    }
}

}  // namespace

Grade gradeOf(double loss)
{
    if (loss >= kThresholds.blunder) {
        return Grade::Blunder;
    }
    if (loss >= kThresholds.mistake) {
        return Grade::Mistake;
    }
    return loss >= kThresholds.inaccuracy ? Grade::Inaccuracy : Grade::Best;
}

std::array<double, kColumnCount> Review::lostByColumn() const
{
    std::array<double, kColumnCount> sums{};
    for (const Column column : kColumns) {
        for (const double loss : lostByCell[index(column)]) {
            sums[index(column)] += loss;
        }
    }
    return sums;
}

std::array<double, kRowCount> Review::lostByRow() const
{
    std::array<double, kRowCount> sums{};
    for (const auto& column : lostByCell) {
        for (int row = 0; row < kRowCount; ++row) {
            sums[row] += column[row];
        }
    }
    return sums;
}

Reviewed reviewGame(const GameRecord& record, const Sheet& finalSheet, advisor::Advisor& advisor,
                    const Progress& progress)
{
    try {
        Replay replayed = replay(record, finalSheet);
        if (!replayed.refusal.empty()) {
            return {std::nullopt, replayed.refusal};
        }
        Review review;
        review.firstTurn = record.firstTurn();
        review.startsMidTurn = record.startsMidTurn();
        review.finalScore = computeTotals(finalSheet).grandTotal;
        review.hintsShown = replayed.hintsShown;
        review.undos = replayed.undos;
        const auto count = static_cast<int>(replayed.choices.size());
        for (int i = 0; i < count; ++i) {
            std::optional<Decision> decision;
            if (!price(replayed.choices[i], advisor, decision)) {
                return {std::nullopt, "the advisor has no price for choice " + std::to_string(i + 1)};
            }
            if (decision) {
                review.decisions.push_back(*decision);
            }
            if (progress) {
                progress(i + 1, count);
            }
        }
        total(review, replayed.choices);
        return {std::move(review), {}};
    } catch (const std::exception& e) {
        return {std::nullopt, std::string("the review failed: ") + e.what()};
    }
}

}  // namespace dakru::review
