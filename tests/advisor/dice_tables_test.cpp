#include <gtest/gtest.h>

#include <cmath>

#include "dice_tables.h"
#include "row_value.h"

namespace dakru::advisor {
namespace {

// 252 throws of five dice, 462 ways to keep 0 to 5 dice; every roll from a
// keep is a probability distribution over throws that contain the keep.
TEST(DiceTables, EveryRollFromEveryKeepIsADistributionOverThrowsThatKeepIt)
{
    const DiceTables& dice = DiceTables::get();
    for (int k = 0; k < kKeepCount; ++k) {
        const Counts& keep = dice.keep(k);
        const int rolled = kDiceCount - diceIn(keep);
        double total = 0;
        for (const Outcome& o : dice.outcomes(k)) {
            total += o.probability;
            const Counts& to = dice.throwCounts(o.throwIndex);
            for (int f = 0; f < 6; ++f) {
                ASSERT_GE(to[f], keep[f]) << "a kept die was lost";
            }
        }
        EXPECT_NEAR(total, 1.0, 1e-12) << "keep " << k;
        EXPECT_EQ(dice.outcomes(k).size(), std::vector<std::size_t>({1, 6, 21, 56, 126, 252})[rolled]);
    }
    // Five dice thrown: the five-of-a-kind throws each come once in 6^5.
    const auto& all = dice.outcomes(dice.keepIndex(Counts{}));
    for (const Outcome& o : all) {
        if (dice.throwCounts(o.throwIndex)[5] == 5) {
            EXPECT_NEAR(o.probability, 1.0 / 7776, 1e-15);
        }
    }
}

// The tables read the rules from RowValue, for any order of the dice.
TEST(DiceTables, ThrowsAreFoundInAnyOrderAndScoreAsTheRulesSay)
{
    const DiceTables& dice = DiceTables::get();
    const std::array<std::array<int, kDiceCount>, 4> throws{
        {{6, 2, 5, 3, 4}, {1, 1, 1, 1, 1}, {2, 4, 2, 4, 2}, {3, 3, 3, 3, 5}}};
    for (auto faces : throws) {
        const int t = dice.throwIndex(faces);
        std::reverse(faces.begin(), faces.end());
        EXPECT_EQ(dice.throwIndex(faces), t);
        for (int row = 1; row <= kRowCount; ++row) {
            EXPECT_EQ(dice.rowValue(row, t), RowValue(row, faces)) << "row " << row;
        }
        // Keeping nothing and keeping everything are always choices.
        EXPECT_EQ(dice.subKeeps(t).front(), dice.keepIndex(Counts{}));
        EXPECT_NE(std::find(dice.subKeeps(t).begin(), dice.subKeeps(t).end(), dice.throwKeep(t)),
                  dice.subKeeps(t).end());
    }
    EXPECT_THROW(dice.throwIndex({0, 1, 2, 3, 4}), std::invalid_argument);
}

}  // namespace
}  // namespace dakru::advisor
