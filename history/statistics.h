#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "finished_game.h"

namespace dakru::history {

// The figures over a history of games, as the statistics window shows them.
struct Summary {
    int gamesPlayed = 0;
    double mean = 0;
    double median = 0;
    double standardDeviation = 0;  // of the games played, not an estimate for games to come
    int bestScore = 0;
    std::string bestEndedAt;    // the first game that reached the best score
    std::size_t bestIndex = 0;  // its place in the history
    double meanOfLastTen = 0;   // of the last ten games, or of all of them while fewer
};

// Nothing for an empty history.
std::optional<Summary> summarize(const std::vector<FinishedGame>& games);

std::vector<int> scoresOf(const std::vector<FinishedGame>& games);

// For each game, the mean score of the window of games ending with it; the
// first games average over the fewer games there are so far.
std::vector<double> movingAverage(std::span<const int> scores, int window);

// Scores counted in bins of equal width: bin i holds the scores from
// first + i * width to first + (i + 1) * width - 1. The width is a round number
// (1, 2, 5, 10, 20, 50, ...) small enough that the scores fit in at most
// maxBins bins. Wide enough for any two ints, whatever a damaged history holds.
struct Histogram {
    long long first = 0;
    long long width = 1;
    std::vector<int> counts;
    bool operator==(const Histogram&) const = default;
};
Histogram histogram(std::span<const int> scores, int maxBins);

// Each cell's mean score over the games: [row - 1][column].
using CellMeans = std::array<std::array<double, kColumns>, kRows>;
CellMeans cellMeans(const std::vector<FinishedGame>& games);

// Each section sum's mean over the games: [section][column].
using SumMeans = std::array<std::array<double, kColumns>, kSections>;
SumMeans sumMeans(const std::vector<FinishedGame>& games);

// How good a value is for its row (1 to 14), from 0, the worst the dice can
// give, to 1, the best: a full row of the face, both straights, five sixes for
// Maximum, and five ones for Minimum, which counts against the middle sum.
double rowStrength(int row, double value);

}  // namespace dakru::history
