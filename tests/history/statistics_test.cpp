// The figures of the statistics window over a fixed set of games.
#include "statistics.h"

#include <gtest/gtest.h>

#include "history_support.h"

namespace dakru::history::test {
namespace {

// Twelve games, worked out by hand: sorted 300 350 390 410 450 480 520 520 600
// 610 640 700, sum 5970.
const std::vector<int> kScores{300, 520, 410, 610, 480, 520, 700, 350, 450, 600, 390, 640};

std::vector<FinishedGame> gamesScoring(const std::vector<int>& scores)
{
    std::vector<FinishedGame> games;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        FinishedGame game = sampleGame(static_cast<int>(i));
        game.finalScore = scores[i];
        games.push_back(game);
    }
    return games;
}

TEST(Statistics, SummaryOfAFixedSet)
{
    const std::vector<FinishedGame> games = gamesScoring(kScores);
    const auto summary = summarize(games);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->gamesPlayed, 12);
    EXPECT_DOUBLE_EQ(summary->mean, 497.5);
    EXPECT_DOUBLE_EQ(summary->median, 500.0);
    EXPECT_NEAR(summary->standardDeviation, 118.33039902465187, 1e-9);
    EXPECT_EQ(summary->bestScore, 700);
    EXPECT_EQ(summary->bestIndex, 6U);
    EXPECT_EQ(summary->bestEndedAt, games[6].endedAt);
    EXPECT_DOUBLE_EQ(summary->meanOfLastTen, 515.0);  // the first two games left out
}

TEST(Statistics, SummaryBoundaries)
{
    EXPECT_FALSE(summarize({}));

    const auto one = summarize(gamesScoring({412}));
    ASSERT_TRUE(one);
    EXPECT_DOUBLE_EQ(one->median, 412);
    EXPECT_DOUBLE_EQ(one->standardDeviation, 0);
    EXPECT_DOUBLE_EQ(one->meanOfLastTen, 412);

    // An odd count takes the middle score; the best among equals is the first reached.
    const auto odd = summarize(gamesScoring({9, 650, 3, 650, 40}));
    ASSERT_TRUE(odd);
    EXPECT_DOUBLE_EQ(odd->median, 40);
    EXPECT_EQ(odd->bestIndex, 1U);
    EXPECT_DOUBLE_EQ(odd->meanOfLastTen, odd->mean);
}

TEST(Statistics, MovingAverageOverTen)
{
    const std::vector<double> average = movingAverage(kScores, 10);
    ASSERT_EQ(average.size(), kScores.size());
    EXPECT_DOUBLE_EQ(average[0], 300);   // the first game alone
    EXPECT_DOUBLE_EQ(average[1], 410);   // the first two
    EXPECT_DOUBLE_EQ(average[9], 494);   // the first full window
    EXPECT_DOUBLE_EQ(average[10], 503);  // games 2 to 11
    EXPECT_DOUBLE_EQ(average[11], 515);  // games 3 to 12
    EXPECT_TRUE(movingAverage({}, 10).empty());
}

TEST(Statistics, HistogramBinsAreRoundAndHoldEveryScore)
{
    struct Case {
        std::vector<int> scores;
        int maxBins;
        Histogram expected;
    };
    const Case cases[] = {
        {kScores, 10, {300, 50, {1, 2, 1, 2, 2, 0, 3, 0, 1}}},
        {kScores, 30, {300, 20, {1, 0, 1, 0, 1, 1, 0, 1, 0, 1, 0, 2, 0, 0, 0, 2, 0, 1, 0, 0, 1}}},
        {{412}, 10, {412, 1, {1}}},
        {{7, 7, 8}, 10, {7, 1, {2, 1}}},
        {{0, 1999}, 20, {0, 100, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}}},
        {{}, 10, {0, 1, {}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.scores));
        const Histogram h = histogram(c.scores, c.maxBins);
        EXPECT_EQ(h, c.expected);
        EXPECT_LE(h.counts.size(), static_cast<std::size_t>(c.maxBins));
    }
}

TEST(Statistics, CellMeansFollowTheReadingOrder)
{
    // Cell i of game n holds (n + i) % 31: games 0 and 1 average to i + 0.5,
    // except where game 1 wraps to 0 (i = 30).
    const CellMeans means = cellMeans({sampleGame(0), sampleGame(1)});
    EXPECT_DOUBLE_EQ(means[0][0], 0.5);    // row 1, Down
    EXPECT_DOUBLE_EQ(means[0][3], 3.5);    // row 1, Call
    EXPECT_DOUBLE_EQ(means[1][0], 4.5);    // row 2, Down
    EXPECT_DOUBLE_EQ(means[7][2], 15);     // Maximum, Up: cell 30
    EXPECT_DOUBLE_EQ(means[13][3], 24.5);  // Dakru, Call: cell 55 holds 24 and 25
    for (const auto& row : cellMeans({})) {
        for (const double mean : row) {
            EXPECT_EQ(mean, 0);
        }
    }
}

TEST(Statistics, SumMeansAverageEachSectionAndColumn)
{
    // Section s, column c of game n holds n + 10 s + c.
    const SumMeans means = sumMeans({sampleGame(2), sampleGame(5)});
    EXPECT_DOUBLE_EQ(means[0][0], 3.5);
    EXPECT_DOUBLE_EQ(means[1][3], 16.5);
    EXPECT_DOUBLE_EQ(means[2][1], 24.5);
    EXPECT_DOUBLE_EQ(sumMeans({})[2][3], 0);
}

TEST(Statistics, RowStrengthRunsFromTheWorstToTheBestTheDiceGive)
{
    struct Case {
        int row;
        double value;
        double strength;
    };
    const Case cases[] = {
        {1, 0, 0},   {1, 5, 1},       {6, 15, 0.5},   {6, 30, 1},  // a full row of the face is the best
        {7, 5, 1},   {7, 30, 0},      {7, 17.5, 0.5},              // a low Minimum is good
        {8, 30, 1},  {8, 5, 0},                                    // a high Maximum is good
        {9, 28, 1},  {10, 17.5, 0.5}, {11, 45, 1},    {12, 58, 1}, {13, 32, 0.5},
        {14, 80, 1}, {14, 0, 0},      {14, 200, 1},   {1, -3, 0},  // out of range: clamped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "row " << c.row << " value " << c.value);
        EXPECT_DOUBLE_EQ(rowStrength(c.row, c.value), c.strength);
    }
}

}  // namespace
}  // namespace dakru::history::test
