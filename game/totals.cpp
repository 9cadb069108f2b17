#include "totals.h"

#include <optional>

namespace dakru {
namespace {

int sumOfRows(const std::array<Cell, kRowCount>& column, int first, int last)
{
    int sum = 0;
    for (int row = first; row <= last; ++row) {
        sum += column[row - 1].value.value_or(0);
    }
    return sum;
}

int upperSum(const std::array<Cell, kRowCount>& column)
{
    const int sum = sumOfRows(column, 1, 6);
    return sum > kUpperBonusAbove ? sum + kUpperBonus : sum;
}

// Maximum less Minimum, times the ones of the same column once they are
// written; never below 0.
int middleSum(const std::array<Cell, kRowCount>& column)
{
    const std::optional<int>& minimum = column[row::Minimum - 1].value;
    const std::optional<int>& maximum = column[row::Maximum - 1].value;
    if (!minimum || !maximum) {
        return 0;
    }
    int value = *maximum - *minimum;
    if (const std::optional<int>& ones = column[0].value) {
        value *= *ones;
    }
    return value < 0 ? 0 : value;
}

int lowerSum(const std::array<Cell, kRowCount>& column)
{
    return sumOfRows(column, row::ThreeOfKind, row::Dakru);
}

}  // namespace

Totals computeTotals(const Sheet& sheet)
{
    Totals totals;
    for (const Column column : kColumns) {
        const auto& cells = sheet[index(column)];
        const int c = index(column);
        totals.sums[index(Section::Upper)][c] = upperSum(cells);
        totals.sums[index(Section::Middle)][c] = middleSum(cells);
        totals.sums[index(Section::Lower)][c] = lowerSum(cells);
    }
    for (const Section section : kSections) {
        int total = 0;
        for (const int sum : totals.sums[index(section)]) {
            total += sum;
        }
        totals.sectionTotals[index(section)] = total;
        totals.grandTotal += total;
    }
    return totals;
}

}  // namespace dakru
