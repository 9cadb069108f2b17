#pragma once

#include <array>
#include <vector>

#include "dice_tables.h"
#include "model.h"
#include "sheet.h"

namespace dakru::advisor {

// The exact expectation of one turn on a given sheet: every throw of every
// roll, every choice of dice to keep, the call after the first roll, the
// forced call when only Call cells are left. The end of the turn is valued by
// the model as the expected final score of the sheet it leaves. Built once per
// sheet (a turn never changes the sheet before its write).
class TurnPlan {
public:
    TurnPlan(const SheetValuer& valuer, const Sheet& sheet);

    // Before the first roll of the turn.
    double beforeFirstRoll() const { return start_; }
    // Writing throw t into an empty cell now.
    double write(Column column, int row, int t) const;
    // Placing a call on an empty Call row right after the first roll, with throw t.
    double call(int row, int t) const;
    // Rolling for roll `next` (2 or 3) keeping dice `keep`, with or without a call (0).
    double roll(int next, int calledRow, int keep) const;

private:
    using PerThrow = std::array<double, kThrowCount>;
    using PerKeep = std::array<double, kKeepCount>;

    // Expected value of rolling from each keep into a position valued by `then`.
    static void expectRoll(const PerThrow& then, PerKeep& out);
    // The better of writing (`write`) and rolling on (`rolled`) for every throw.
    static void bestOf(const PerThrow& write, const PerKeep* rolled, PerThrow& out);

    std::array<int, kCellCount> slot_{};  // cell -> row of writes_, -1 when written
    std::vector<PerThrow> writes_;
    // Without a call: the value of rolling into roll 2 and roll 3.
    PerKeep freeRoll2_{};
    PerKeep freeRoll3_{};
    bool canRollFree_ = false;
    // With a call on row r: the same, and the value of placing it.
    std::array<PerKeep, kRowCount> calledRoll2_{};
    std::array<PerKeep, kRowCount> calledRoll3_{};
    std::array<PerThrow, kRowCount> placeCall_{};
    double start_ = 0;
};

}  // namespace dakru::advisor
