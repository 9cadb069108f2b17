#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "sheet.h"

namespace dakru::advisor {

// What the cell-by-cell model misses, learned by self-play as corrections to
// its value of a sheet: small tables, each indexed by a few things the model
// takes as independent. A sheet has one entry in each table, and its
// correction is the sum of those entries.
//
// A column's own entries depend on what is written in it:
//  - upper:  its empty upper rows with what they still need for the bonus;
//  - middle: its ones, Minimum and Maximum, written or not;
//  - lower:  its empty lower rows.
// The sheet's depend only on which cells are empty:
//  - row:      for each row, the columns in which it is still empty;
//  - kinds:    how many 3 of kind, Full, Poker and Dakru cells are empty;
//  - runs:     how many Minimum, Maximum and straight cells are empty;
//  - order:    the next cell of Down and of Up;
//  - freedom:  how many Down\Up and Call cells are empty (at the end only
//              calls may be left, and every turn must call);
//  - stage:    what the model misses on every sheet alike (it moves no
//              decision, only the expected scores).
// Every table is split by how many cells of the sheet are empty. A part that is
// all written has no entry (kNone): its value is already exact.
namespace corrections {

inline constexpr int kNone = -1;

inline constexpr int kStages = 14;  // empty cells 0-3, 4-7, ... 52-56
constexpr int stageOf(int emptyCells)
{
    return emptyCells / 4 < kStages ? emptyCells / 4 : kStages - 1;
}

inline constexpr int kUpperSize = kStages * kColumnCount * 64 * 61;
inline constexpr int kMiddleSize = kStages * kColumnCount * 7 * 13 * 14;
inline constexpr int kLowerSize = kStages * kColumnCount * 64;
inline constexpr int kRowSize = kStages * kRowCount * 16;
inline constexpr int kCountsSize = kStages * 5 * 5 * 5 * 5;  // kinds, and again runs
inline constexpr int kOrderSize = kStages * 15 * 15;         // and again freedom
inline constexpr int kStageSize = kCellCount + 1;
inline constexpr int kSize =
    kUpperSize + kMiddleSize + kLowerSize + kRowSize + 2 * kCountsSize + 2 * kOrderSize + kStageSize;

inline constexpr int kColumnEntries = 3;
std::array<int, kColumnEntries> columnEntries(Column column, const std::array<Cell, kRowCount>& cells, int emptyCells);

inline constexpr int kPatternEntries = kRowCount + 5;
std::array<int, kPatternEntries> patternEntries(const Sheet& sheet, int emptyCells);

// Every entry of a sheet: the columns' first, then the pattern's.
inline constexpr int kSheetEntries = kColumnCount * kColumnEntries + kPatternEntries;
std::array<int, kSheetEntries> sheetEntries(const Sheet& sheet, int emptyCells);

// What a set of entries adds up to in the tables `w` (kNone adds nothing).
template <std::size_t N>
double sumOf(const std::vector<float>& w, const std::array<int, N>& entries)
{
    double sum = 0;
    for (const int e : entries) {
        sum += e == kNone ? 0.0 : w[e];
    }
    return sum;
}

// Whether an entry is the stage's: every sheet of a stage shares it.
constexpr bool isStageEntry(int entry)
{
    return entry >= kSize - kStageSize;
}

}  // namespace corrections
}  // namespace dakru::advisor
