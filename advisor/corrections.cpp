#include "corrections.h"

#include <algorithm>

namespace dakru::advisor::corrections {
namespace {

constexpr int kUpperRows = 6;
constexpr int kBonusAt = 60;

constexpr int kMiddleAt = kUpperSize;
constexpr int kLowerAt = kMiddleAt + kMiddleSize;
constexpr int kRowAt = kLowerAt + kLowerSize;
constexpr int kKindsAt = kRowAt + kRowSize;
constexpr int kRunsAt = kKindsAt + kCountsSize;
constexpr int kOrderAt = kRunsAt + kCountsSize;
constexpr int kFreedomAt = kOrderAt + kOrderSize;
constexpr int kStageAt = kFreedomAt + kOrderSize;

int minimumState(const std::optional<int>& v)
{
    return v ? 1 + std::clamp(*v - 5, 0, 11) : 0;  // empty, 5 or less, 6 ... 15, 16 or more
}

int maximumState(const std::optional<int>& v)
{
    return v ? 1 + std::clamp(*v - 18, 0, 12) : 0;  // empty, 18 or less, 19 ... 29, 30
}

bool empty(const Sheet& sheet, Column column, int row)
{
    return !sheet[index(column)][row - 1].value;
}

int emptyIn(const Sheet& sheet, int row)
{
    int n = 0;
    for (const Column column : kColumns) {
        n += empty(sheet, column, row) ? 1 : 0;
    }
    return n;
}

// How many cells of each of four rows are empty, 0 to 4 each; kNone when none is.
int countsEntry(const Sheet& sheet, std::array<int, 4> rows, int at, int stage)
{
    int key = 0;
    for (const int row : rows) {
        key = key * 5 + emptyIn(sheet, row);
    }
    return key ? at + stage * 625 + key : kNone;
}

}  // namespace

std::array<int, kColumnEntries> columnEntries(Column column, const std::array<Cell, kRowCount>& cells, int emptyCells)
{
    const int at = stageOf(emptyCells) * kColumnCount + index(column);

    int upperEmpty = 0;
    int written = 0;
    for (int row = 1; row <= kUpperRows; ++row) {
        if (cells[row - 1].value) {
            written += *cells[row - 1].value;
        } else {
            upperEmpty |= 1 << (row - 1);
        }
    }
    const int need = std::clamp(kBonusAt - written, 0, kBonusAt);
    const int upper = upperEmpty ? (at * 64 + upperEmpty) * 61 + need : kNone;

    const std::optional<int>& ones = cells[0].value;
    const int onesState = ones ? 1 + std::clamp(*ones, 0, 5) : 0;
    const int minimum = minimumState(cells[row::Minimum - 1].value);
    const int maximum = maximumState(cells[row::Maximum - 1].value);
    const int middle =
        onesState && minimum && maximum ? kNone : kMiddleAt + ((at * 7 + onesState) * 13 + minimum) * 14 + maximum;

    int lowerEmpty = 0;
    for (int row = row::ThreeOfKind; row <= row::Dakru; ++row) {
        lowerEmpty |= cells[row - 1].value ? 0 : 1 << (row - row::ThreeOfKind);
    }
    const int lower = lowerEmpty ? kLowerAt + at * 64 + lowerEmpty : kNone;
    return {upper, middle, lower};
}

std::array<int, kPatternEntries> patternEntries(const Sheet& sheet, int emptyCells)
{
    std::array<int, kPatternEntries> entries{};
    if (emptyCells == 0) {
        entries.fill(kNone);
        return entries;
    }
    const int stage = stageOf(emptyCells);
    for (int row = 1; row <= kRowCount; ++row) {
        int columns = 0;
        for (const Column column : kColumns) {
            columns |= empty(sheet, column, row) ? 1 << index(column) : 0;
        }
        entries[row - 1] = columns ? kRowAt + (stage * kRowCount + row - 1) * 16 + columns : kNone;
    }
    int next = kRowCount;
    entries[next++] = countsEntry(sheet, {row::ThreeOfKind, row::FullHouse, row::Poker, row::Dakru}, kKindsAt, stage);
    entries[next++] =
        countsEntry(sheet, {row::Minimum, row::Maximum, row::SmallStraight, row::LargeStraight}, kRunsAt, stage);
    int down = 0;
    while (down < kRowCount && !empty(sheet, Column::Down, down + 1)) {
        ++down;
    }
    int up = 0;
    while (up < kRowCount && !empty(sheet, Column::Up, kRowCount - up)) {
        ++up;
    }
    entries[next++] = down < kRowCount || up < kRowCount ? kOrderAt + (stage * 15 + down) * 15 + up : kNone;
    int downUp = 0;
    int calls = 0;
    for (int row = 1; row <= kRowCount; ++row) {
        downUp += empty(sheet, Column::DownUp, row) ? 1 : 0;
        calls += empty(sheet, Column::Call, row) ? 1 : 0;
    }
    entries[next++] = downUp || calls ? kFreedomAt + (stage * 15 + downUp) * 15 + calls : kNone;
    entries[next] = kStageAt + emptyCells;
    return entries;
}

std::array<int, kSheetEntries> sheetEntries(const Sheet& sheet, int emptyCells)
{
    std::array<int, kSheetEntries> entries{};
    auto out = entries.begin();
    for (const Column column : kColumns) {
        const auto e = columnEntries(column, sheet[index(column)], emptyCells);
        out = std::copy(e.begin(), e.end(), out);
    }
    const auto p = patternEntries(sheet, emptyCells);
    std::copy(p.begin(), p.end(), out);
    return entries;
}

}  // namespace dakru::advisor::corrections
