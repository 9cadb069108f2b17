#include <gtest/gtest.h>

#include <algorithm>

#include "row_value.h"

namespace dakru {
namespace {

// Each row of the table: the dice, then the value of rows 1 to 14
// (1..6, Minimum, Maximum, 3 of kind, Small, Large, Full house, Poker, Dakru).
struct Case {
    std::array<int, kDiceCount> dice;
    std::array<int, kRowCount> values;
};

const Case kCases[] = {
    {{6, 6, 6, 6, 6}, {0, 0, 0, 0, 0, 30, 30, 30, 28, 0, 0, 0, 64, 80}},
    {{1, 1, 1, 1, 1}, {5, 0, 0, 0, 0, 0, 5, 5, 13, 0, 0, 0, 44, 55}},
    {{3, 3, 3, 3, 5}, {0, 0, 12, 0, 5, 0, 17, 17, 19, 0, 0, 0, 52, 0}},
    {{5, 5, 2, 5, 5}, {0, 2, 0, 0, 20, 0, 22, 22, 25, 0, 0, 0, 60, 0}},  // only 3 of the 4 count
    {{2, 2, 2, 4, 4}, {0, 6, 0, 8, 0, 0, 14, 14, 16, 0, 0, 44, 0, 0}},
    {{1, 1, 1, 2, 2}, {3, 4, 0, 0, 0, 0, 7, 7, 13, 0, 0, 37, 0, 0}},      // lowest full house
    {{6, 5, 6, 5, 6}, {0, 0, 0, 0, 10, 18, 28, 28, 28, 0, 0, 58, 0, 0}},  // highest full house
    {{4, 4, 5, 5, 6}, {0, 0, 0, 8, 10, 6, 24, 24, 0, 0, 0, 0, 0, 0}},     // two pairs: no full house
    {{5, 1, 4, 2, 3}, {1, 2, 3, 4, 5, 0, 15, 15, 0, 35, 0, 0, 0, 0}},
    {{6, 2, 5, 3, 4}, {0, 2, 3, 4, 5, 6, 20, 20, 0, 0, 45, 0, 0, 0}},
    {{1, 2, 3, 4, 6}, {1, 2, 3, 4, 0, 6, 16, 16, 0, 0, 0, 0, 0, 0}},  // neither straight
    {{1, 2, 3, 4, 4}, {1, 2, 3, 8, 0, 0, 14, 14, 0, 0, 0, 0, 0, 0}},  // four faces of five
};

// Every permutation of each entry's dice: the order of the dice never matters.
TEST(RowValue, EveryRowOfEachTableEntryInAnyDiceOrder)
{
    for (const Case& c : kCases) {
        auto dice = c.dice;
        std::sort(dice.begin(), dice.end());
        do {
            for (int row = 1; row <= kRowCount; ++row) {
                ASSERT_EQ(RowValue(row, dice), c.values[row - 1])
                    << "row " << row << ", dice " << dice[0] << dice[1] << dice[2] << dice[3] << dice[4];
            }
        } while (std::next_permutation(dice.begin(), dice.end()));
    }
}

}  // namespace
}  // namespace dakru
