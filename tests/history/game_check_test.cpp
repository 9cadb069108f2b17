// Rows checked when read: values no game can have are found, and the figures
// never fail on them, whatever a damaged or hand-edited history holds.
#include "game_check.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "history_support.h"
#include "statistics.h"

namespace dakru::history::test {
namespace {

TEST(GameCheck, WhatNoGameCanHaveIsDamaged)
{
    const auto set = [](int row, int column, int value) {
        return [=](FinishedGame& game) {
            game.cells[static_cast<std::size_t>((row - 1) * kColumns + column)] = value;
            withTotals(game);  // the sums agree: only the value is wrong
        };
    };
    const struct {
        const char* what;
        std::function<void(FinishedGame&)> change;
        bool intact;
    } cases[] = {
        {"as played", [](FinishedGame&) {}, true},
        {"a highest score", [](FinishedGame& game) { game.finalScore = INT_MAX; }, false},
        {"a lowest score", [](FinishedGame& game) { game.finalScore = INT_MIN; }, false},
        {"a sum that is not the cells'", [](FinishedGame& game) { ++game.sectionSums[2][1]; }, false},
        {"ones no dice show", set(1, 0, 7), false},
        {"fives not a multiple of five", set(5, 2, 12), false},
        {"a negative value", set(3, 1, -3), false},
        {"a Maximum above five sixes", set(8, 3, 31), false},
        {"a Minimum below five ones", set(7, 0, 4), false},
        {"3 of kind off the rule", set(9, 0, 14), false},
        {"Small Straight with another value", set(10, 0, 30), false},
        {"Large Straight with another value", set(11, 0, 35), false},
        {"Full house of one face five times", set(12, 0, 40), false},
        {"Poker off the rule", set(13, 0, 45), false},
        {"Dakru off the rule", set(14, 0, 81), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FinishedGame game = intactGame(3);
        ASSERT_TRUE(intact(game));
        c.change(game);
        EXPECT_EQ(intact(game), c.intact);
    }
    // Each row's zero, and its best, are scores too (sums aside).
    FinishedGame crossed = intactGame(2);
    crossed.cells.fill(0);
    crossed.sectionSums = {};
    crossed.finalScore = 0;
    EXPECT_TRUE(intact(crossed));

    const CheckedGames split = checked({intactGame(1), crossed, sampleGame(4), intactGame(2), sampleGame(5)});
    EXPECT_EQ(split.intact, (std::vector{intactGame(1), crossed, intactGame(2)}));
    EXPECT_EQ(split.damaged, 2);
}

// The figures on the scores that crashed them: the largest and the smallest
// ints, together and alone.
TEST(GameCheck, TheFiguresStandAnyInt)
{
    const std::vector<std::vector<int>> cases = {
        {INT_MAX}, {INT_MIN}, {INT_MIN, INT_MAX}, {500, INT_MAX, INT_MIN, 0}, {INT_MAX, INT_MAX}};
    for (const std::vector<int>& scores : cases) {
        SCOPED_TRACE(::testing::PrintToString(scores));
        const Histogram bins = histogram(scores, 24);
        EXPECT_LE(bins.counts.size(), 24U);
        int counted = 0;
        for (const int count : bins.counts) {
            counted += count;
        }
        EXPECT_EQ(counted, static_cast<int>(scores.size()));
        EXPECT_LE(bins.first, static_cast<long long>(*std::min_element(scores.begin(), scores.end())));

        std::vector<FinishedGame> games;
        for (const int score : scores) {
            games.push_back(sampleGame(1));
            games.back().finalScore = score;
        }
        const std::optional<Summary> summary = summarize(games);
        ASSERT_TRUE(summary);
        EXPECT_GE(summary->median, INT_MIN);
        EXPECT_LE(summary->median, INT_MAX);
        EXPECT_EQ(movingAverage(scores, 10).size(), scores.size());
    }
}

}  // namespace
}  // namespace dakru::history::test
