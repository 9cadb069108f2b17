#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sheet.h"

namespace dakru::advisor {

// Dice as counts per face, the order of the dice forgotten: a throw of five
// dice is one of 252, the dice kept before a roll one of 462 (0 to 5 dice).
using Counts = std::array<std::uint8_t, 6>;  // [face - 1]

inline constexpr int kThrowCount = 252;
inline constexpr int kKeepCount = 462;

struct Outcome {
    int throwIndex;
    double probability;
};

// Built once, on first use; shared and never changed afterwards.
class DiceTables {
public:
    static const DiceTables& get();

    const Counts& keep(int k) const { return keeps_[k]; }
    int keepIndex(const Counts& counts) const;
    // Keeps of five dice are the throws: throw t is keep throwKeep(t).
    int throwKeep(int t) const { return throwKeep_[t]; }
    const Counts& throwCounts(int t) const { return keeps_[throwKeep_[t]]; }
    int throwIndex(const std::array<int, kDiceCount>& faces) const;

    // Where rolling the dice not kept leads, with its chance.
    const std::vector<Outcome>& outcomes(int k) const { return outcomes_[k]; }
    // Every distinct choice of dice to keep from throw t (including none and all).
    const std::vector<int>& subKeeps(int t) const { return subKeeps_[t]; }
    // RowValue of scoring row 1 to 14 for throw t.
    int rowValue(int row, int t) const { return rowValues_[row - 1][t]; }

private:
    DiceTables();
    std::vector<Counts> keeps_;
    std::array<int, kThrowCount> throwKeep_{};
    std::vector<int> throwOfKeep_;  // -1 for fewer than five dice
    std::vector<std::vector<Outcome>> outcomes_;
    std::vector<std::vector<int>> subKeeps_;
    std::array<std::array<int, kThrowCount>, kRowCount> rowValues_{};
};

int diceIn(const Counts& counts);

}  // namespace dakru::advisor
