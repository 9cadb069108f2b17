// The trend of points lost and what to practise, from reviews whose figures
// are exact (the last turn, where every expectation is the game's end) and
// from losses made up to the point.

#include <gtest/gtest.h>

#include "row_value.h"
#include "self_play.h"
#include "trend.h"

namespace dakru::review {
namespace {

using Holds = std::array<bool, kDiceCount>;
constexpr Holds kFirstFour{true, true, true, true, false};
constexpr Holds kAll{true, true, true, true, true};
constexpr double kTwoTries = 80.0 * (1 - 25.0 / 36.0);  // four sixes held for two rolls make Dakru
constexpr double kOneTry = 80.0 / 6.0;

// Every cell written as five 1s score it, but Down\Up's Dakru cell.
GameRecord lastTurn()
{
    GameState state;
    for (const Column column : kColumns) {
        for (int row = 1; row <= kRowCount; ++row) {
            state.cells[index(column)][row - 1].value = RowValue(row, {1, 1, 1, 1, 1});
        }
    }
    state.cells[index(Column::DownUp)][row::Dakru - 1].value.reset();
    state.RollCount = 0;
    state.CalledRow = 0;
    state.DiceFaces.fill(0);
    return GameRecord::startingAt(state);
}

Review reviewOf(const GameRecord& record, int dakru)
{
    Sheet sheet = record.start->cells;
    sheet[index(Column::DownUp)][row::Dakru - 1].value = dakru;
    advisor::Advisor advisor;
    const Reviewed reviewed = reviewGame(record, sheet, advisor);
    EXPECT_TRUE(reviewed.review) << reviewed.refusal;
    return reviewed.review.value_or(Review{});
}

// Four sixes, and 0 written in Dakru at once: the two tries thrown away.
Review writtenAtOnce()
{
    GameRecord record = lastTurn();
    record.roll({}, {6, 6, 6, 6, 1});
    record.write(Column::DownUp, row::Dakru);
    return reviewOf(record, 0);
}

// Four sixes, all five held for a roll (one try thrown away), then the four sixes.
Review oneRollWasted()
{
    GameRecord record = lastTurn();
    record.roll({}, {6, 6, 6, 6, 1});
    record.roll(kAll, {6, 6, 6, 6, 1});
    record.roll(kFirstFour, {6, 6, 6, 6, 2});
    record.write(Column::DownUp, row::Dakru);
    return reviewOf(record, 0);
}

GameLoss made(double holds, double calls, double writes, std::vector<std::pair<int, double>> rows, bool whole = true)
{
    GameLoss loss;
    loss.lostByKind = {holds, calls, writes};
    loss.lost = holds + calls + writes;
    loss.whole = whole;
    for (const auto& [row, lost] : rows) {
        loss.lostByRow[static_cast<std::size_t>(row - 1)] = lost;
    }
    return loss;
}

TEST(Trend, AGamesLossKeepsItsReviewsFigures)
{
    const GameLoss atOnce = lossOf(writtenAtOnce());
    EXPECT_NEAR(atOnce.lost, kTwoTries, 1e-9);
    EXPECT_EQ(atOnce.decisions, 1);
    EXPECT_FALSE(atOnce.whole) << "taken up at the last turn";
    EXPECT_NEAR(atOnce.lostByKind[static_cast<int>(Kind::Write)], kTwoTries, 1e-9);
    EXPECT_EQ(atOnce.lostByKind[static_cast<int>(Kind::Holds)], 0.0);
    EXPECT_NEAR(atOnce.lostByRow[row::Dakru - 1], kTwoTries, 1e-9);

    const GameLoss wasted = lossOf(oneRollWasted());
    EXPECT_NEAR(wasted.lost, kTwoTries - kOneTry, 1e-9);
    EXPECT_EQ(wasted.decisions, 2);
    EXPECT_NEAR(wasted.lostByKind[static_cast<int>(Kind::Holds)], kTwoTries - kOneTry, 1e-9);

    advisor::AdvisorPlayer best;
    const advisor::PlayedGame game = advisor::playGame(best, 1);
    advisor::Advisor advisor;
    const Reviewed whole = reviewGame(game.record, game.sheet, advisor);
    ASSERT_TRUE(whole.review) << whole.refusal;
    EXPECT_TRUE(lossOf(*whole.review).whole);
    EXPECT_EQ(lossOf(*whole.review).lost, 0.0);
}

// Only games reviewed from their first roll make the trend; the mean is over
// the games so far until there are as many as the window.
TEST(Trend, PointsLostPerWholeGameWithTheirMovingMean)
{
    std::vector<GameLoss> twelve;
    for (int n = 1; n <= 12; ++n) {
        twelve.push_back(made(n, 0, 0, {}));
    }
    const struct {
        const char* what;
        std::vector<GameLoss> games;
        int window;
        std::vector<double> lost;
        std::vector<double> average;
    } cases[] = {
        {"none", {}, kTrendWindow, {}, {}},
        {"one taken up late left out",
         {made(10, 0, 0, {}), made(99, 0, 0, {}, false), made(0, 5, 15, {}), made(30, 0, 0, {})},
         2,
         {10, 20, 30},
         {10, 15, 25}},
        {"twelve over ten",
         twelve,
         10,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12},
         {1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6.5, 7.5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Trend trend = trendOf(c.games, c.window);
        EXPECT_EQ(trend.lost, c.lost);
        ASSERT_EQ(trend.average.size(), c.average.size());
        for (std::size_t n = 0; n < c.average.size(); ++n) {
            EXPECT_NEAR(trend.average[n], c.average[n], 1e-9) << n;
        }
    }
}

// Over the last twenty games only: five older games lost in calls alone.
// Kinds are listed costliest first, all three; rows up to three, none that
// lost nothing.
TEST(Practise, WhatCostTheMostOverTheLastTwentyGames)
{
    std::vector<GameLoss> games(5, made(0, 50, 0, {{row::SmallStraight, 50}}));
    for (int n = 0; n < 20; ++n) {
        games.push_back(made(3, 0, 1, {{4, 0.4}, {row::Poker, 2}, {row::Dakru, 1.2}, {1, 0.001}}));
    }
    const Practice practice = whatToPractise(games);
    EXPECT_EQ(practice.games, 20);
    EXPECT_NEAR(practice.lost, 80, 1e-9);
    ASSERT_EQ(practice.kinds.size(), 3u);
    const int kinds[] = {static_cast<int>(Kind::Holds), static_cast<int>(Kind::Write), static_cast<int>(Kind::Call)};
    const double kindShares[] = {0.75, 0.25, 0};
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(practice.kinds[n].what, kinds[n]) << n;
        EXPECT_NEAR(practice.kinds[n].share, kindShares[n], 1e-9) << n;
    }
    ASSERT_EQ(practice.rows.size(), 3u);
    const int rows[] = {row::Poker, row::Dakru, 4};
    const double rowShares[] = {0.5, 0.3, 0.1};
    for (std::size_t n = 0; n < 3; ++n) {
        EXPECT_EQ(practice.rows[n].what, rows[n]) << n;
        EXPECT_NEAR(practice.rows[n].share, rowShares[n], 1e-9) << n;
    }
    EXPECT_EQ(practiseText(practice),
              "Over your last 20 reviewed games you lost 80.0 points against the advisor, 4.0 a game. Practise your "
              "holds first: they cost 60.0 points, 75 % of the loss; then writes, 20.0 (25 %). The rows whose turns "
              "cost the most: Poker (50 %), Dakru (30 %) and Fours (10 %).");

    // All of them, when there are fewer.
    EXPECT_EQ(whatToPractise(games, 30).games, 25);
    EXPECT_EQ(whatToPractise(games, 30).kinds.front().what, static_cast<int>(Kind::Call));
}

TEST(Practise, InWordsForFewGamesOrNoLoss)
{
    const GameLoss wasted = lossOf(oneRollWasted());
    const GameLoss atOnce = lossOf(writtenAtOnce());
    const struct {
        std::vector<GameLoss> games;
        const char* text;
    } cases[] = {
        {{}, "No game has been reviewed yet."},
        {{made(0, 0, 0, {})}, "Your last reviewed game lost nothing against the advisor: nothing to practise."},
        {{made(0, 0, 0.01, {}), made(0, 0.01, 0, {}), made(0.01, 0, 0, {})},
         "Your last 3 reviewed games lost nothing against the advisor: nothing to practise."},
        {{wasted},
         "Over your last reviewed game you lost 11.1 points against the advisor. Practise your holds first: they cost "
         "11.1 points, 100 % of the loss. The row whose turns cost the most: Dakru (100 %)."},
        {{wasted, atOnce},
         "Over your last 2 reviewed games you lost 35.6 points against the advisor, 17.8 a game. Practise your writes "
         "first: they cost 24.4 points, 69 % of the loss; then holds, 11.1 (31 %). The row whose turns cost the most: "
         "Dakru (100 %)."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(practiseText(whatToPractise(c.games)), c.text);
    }
}

}  // namespace
}  // namespace dakru::review
