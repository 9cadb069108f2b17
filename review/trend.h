#pragma once

#include <array>
#include <span>
#include <string>
#include <vector>

#include "review.h"

namespace dakru::review {

// What the trend keeps of a game's review: its losses, without the positions
// (a whole review holds a position for every decision, some 150 kilobytes).
struct GameLoss {
    double lost = 0;
    int decisions = 0;
    // Reviewed from the game's first roll: only such games compare with each
    // other, a game taken up late has fewer decisions to lose points in.
    bool whole = true;
    std::array<double, kKindCount> lostByKind{};
    std::array<double, kRowCount> lostByRow{};  // [row - 1]
};

GameLoss lossOf(const Review& review);

// The points lost per game over time, and their moving mean.
inline constexpr int kTrendWindow = 10;
struct Trend {
    std::vector<double> lost;     // each game reviewed whole, oldest first
    std::vector<double> average;  // for each, the mean over the window of games ending with it (fewer at first)
};
Trend trendOf(std::span<const GameLoss> oldestFirst, int window = kTrendWindow);

// What to practise: what cost the most over the last reviewed games.
inline constexpr int kPractiseOver = 20;
struct Share {
    int what = 0;  // a kind (Kind as a number) or a row, 1 to 14
    double lost = 0;
    double share = 0;  // of all the points the games lost, 0 to 1
};
struct Practice {
    int games = 0;             // the games it is drawn from
    double lost = 0;           // all they lost
    std::vector<Share> kinds;  // holds, calls and writes, costliest first
    std::vector<Share> rows;   // the rows that cost the most, costliest first, up to three
};
Practice whatToPractise(std::span<const GameLoss> oldestFirst, int over = kPractiseOver);

// The practice in words, for the window and screen readers: "Over your last
// 20 reviewed games you lost 1043.5 points against the advisor, 52.2 a game.
// Practise your holds first: they cost 612.0 points, 59 % of the loss; then
// writes, 301.5 (29 %), and calls, 130.0 (12 %). The rows whose turns cost
// the most: Poker (18 %), Dakru (12 %) and Small Straight (7 %)."
std::string practiseText(const Practice& practice);

}  // namespace dakru::review
