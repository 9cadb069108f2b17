#pragma once

#include <array>

#include "sheet.h"

namespace dakru {

// Every sum of the sheet, rebuilt from the written cells alone.
struct Totals {
    std::array<std::array<int, kColumnCount>, kSectionCount> sums{};  // [section][column]
    std::array<int, kSectionCount> sectionTotals{};
    int grandTotal = 0;
};

inline constexpr int kUpperBonus = 25;
inline constexpr int kUpperBonusAbove = 59;

Totals computeTotals(const Sheet& sheet);

}  // namespace dakru
