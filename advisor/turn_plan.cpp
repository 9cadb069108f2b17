#include "turn_plan.h"

#include <algorithm>
#include <limits>

#include "legal_cells.h"

namespace dakru::advisor {
namespace {

constexpr double kNone = -std::numeric_limits<double>::infinity();

constexpr int cellIndex(Column column, int row)
{
    return index(column) * kRowCount + row - 1;
}

}  // namespace

void TurnPlan::expectRoll(const PerThrow& then, PerKeep& out)
{
    const DiceTables& dice = DiceTables::get();
    for (int k = 0; k < kKeepCount; ++k) {
        double sum = 0;
        for (const Outcome& o : dice.outcomes(k)) {
            sum += o.probability * then[o.throwIndex];
        }
        out[k] = sum;
    }
}

void TurnPlan::bestOf(const PerThrow& write, const PerKeep* rolled, PerThrow& out)
{
    const DiceTables& dice = DiceTables::get();
    for (int t = 0; t < kThrowCount; ++t) {
        double best = write[t];
        if (rolled) {
            for (const int k : dice.subKeeps(t)) {
                best = std::max(best, (*rolled)[k]);
            }
        }
        out[t] = best;
    }
}

TurnPlan::TurnPlan(const SheetValuer& valuer, const Sheet& sheet)
{
    const DiceTables& dice = DiceTables::get();
    // Every value is taken at the end of this turn, with one cell fewer empty.
    const int emptyAfter = emptyCellsOf(sheet) - 1;
    std::array<double, kColumnCount> columnNow{};
    for (const Column column : kColumns) {
        columnNow[index(column)] = valuer.column(column, sheet[index(column)], emptyAfter);
    }
    const double patternNow = valuer.pattern(sheet, emptyAfter);
    double sheetNow = patternNow;
    for (const double v : columnNow) {
        sheetNow += v;
    }

    // What writing each possible score into each empty cell leaves the game worth.
    slot_.fill(-1);
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (sheet[index(column)][row - 1].value) {
                continue;
            }
            std::array<double, kMaxCellValue + 1> after;
            after.fill(kNone);
            auto cells = sheet[index(column)];
            // Which cells are empty changes the same way whatever is written.
            Sheet written = sheet;
            written[index(column)][row - 1].value = 0;
            const double patternChange = valuer.pattern(written, emptyAfter) - patternNow;
            PerThrow w{};
            for (int t = 0; t < kThrowCount; ++t) {
                const int v = dice.rowValue(row, t);
                if (after[v] == kNone) {
                    cells[row - 1].value = v;
                    after[v] =
                        sheetNow - columnNow[index(column)] + valuer.column(column, cells, emptyAfter) + patternChange;
                }
                w[t] = after[v];
            }
            slot_[cellIndex(column, row)] = static_cast<int>(writes_.size());
            writes_.push_back(w);
        }
    }

    // Without a call: the best legal write in Down, Down\Up or Up for each throw.
    const Marks free = legalCells(sheet, 2, 0);
    PerThrow bestWrite;
    bestWrite.fill(kNone);
    for (const Column column : {Column::Down, Column::DownUp, Column::Up}) {
        for (int row = 1; row <= kRowCount; ++row) {
            if (free[index(column)][row - 1]) {
                canRollFree_ = true;
                const PerThrow& w = writes_[slot_[cellIndex(column, row)]];
                for (int t = 0; t < kThrowCount; ++t) {
                    bestWrite[t] = std::max(bestWrite[t], w[t]);
                }
            }
        }
    }
    PerThrow firstRoll = bestWrite;
    if (canRollFree_) {
        PerThrow second;
        expectRoll(bestWrite, freeRoll3_);
        bestOf(bestWrite, &freeRoll3_, second);
        expectRoll(second, freeRoll2_);
        bestOf(bestWrite, &freeRoll2_, firstRoll);
    }

    // Each empty Call row: the turn played for that row alone once it is called.
    for (int row = 1; row <= kRowCount; ++row) {
        const int s = slot_[cellIndex(Column::Call, row)];
        if (s < 0) {
            continue;
        }
        const PerThrow& w = writes_[s];
        PerThrow second;
        expectRoll(w, calledRoll3_[row - 1]);
        bestOf(w, &calledRoll3_[row - 1], second);
        expectRoll(second, calledRoll2_[row - 1]);
        bestOf(w, &calledRoll2_[row - 1], placeCall_[row - 1]);
        for (int t = 0; t < kThrowCount; ++t) {
            firstRoll[t] = std::max(firstRoll[t], placeCall_[row - 1][t]);
        }
    }

    PerKeep fromNothing;
    expectRoll(firstRoll, fromNothing);
    start_ = fromNothing[dice.keepIndex(Counts{})];
}

double TurnPlan::write(Column column, int row, int t) const
{
    const int s = slot_[cellIndex(column, row)];
    return s < 0 ? kNone : writes_[s][t];
}

double TurnPlan::call(int row, int t) const
{
    return slot_[cellIndex(Column::Call, row)] < 0 ? kNone : placeCall_[row - 1][t];
}

double TurnPlan::roll(int next, int calledRow, int keep) const
{
    if (calledRow > 0) {
        if (slot_[cellIndex(Column::Call, calledRow)] < 0) {
            return kNone;
        }
        return (next == 2 ? calledRoll2_ : calledRoll3_)[calledRow - 1][keep];
    }
    if (!canRollFree_) {
        return kNone;
    }
    return (next == 2 ? freeRoll2_ : freeRoll3_)[keep];
}

}  // namespace dakru::advisor
