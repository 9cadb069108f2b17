#include "statistics.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace dakru::history {

std::vector<int> scoresOf(const std::vector<FinishedGame>& games)
{
    std::vector<int> scores;
    scores.reserve(games.size());
    for (const FinishedGame& game : games) {
        scores.push_back(game.finalScore);
    }
    return scores;
}

std::optional<Summary> summarize(const std::vector<FinishedGame>& games)
{
    if (games.empty()) {
        return std::nullopt;
    }
    const std::vector<int> scores = scoresOf(games);
    const auto count = static_cast<double>(scores.size());
    Summary summary;
    summary.gamesPlayed = static_cast<int>(scores.size());
    summary.mean = std::accumulate(scores.begin(), scores.end(), 0.0) / count;

    double squares = 0;
    for (const int score : scores) {
        squares += (score - summary.mean) * (score - summary.mean);
    }
    summary.standardDeviation = std::sqrt(squares / count);

    std::vector<int> sorted = scores;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t middle = sorted.size() / 2;
    summary.median = sorted.size() % 2 == 1
                         ? sorted[middle]
                         : (static_cast<double>(sorted[middle - 1]) + static_cast<double>(sorted[middle])) / 2.0;

    // max_element finds the first of equal scores: the day the best was reached.
    const auto best = std::max_element(scores.begin(), scores.end());
    summary.bestIndex = static_cast<std::size_t>(best - scores.begin());
    summary.bestScore = *best;
    summary.bestEndedAt = games[summary.bestIndex].endedAt;

    const std::size_t lastTen = std::min<std::size_t>(10, scores.size());
    summary.meanOfLastTen = std::accumulate(scores.end() - static_cast<std::ptrdiff_t>(lastTen), scores.end(), 0.0)
                            / static_cast<double>(lastTen);
    return summary;
}

std::vector<double> movingAverage(std::span<const int> scores, int window)
{
    std::vector<double> averages;
    averages.reserve(scores.size());
    const auto width = static_cast<std::size_t>(std::max(window, 1));
    double sum = 0;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        sum += scores[i];
        if (i >= width) {
            sum -= scores[i - width];
        }
        averages.push_back(sum / static_cast<double>(std::min(i + 1, width)));
    }
    return averages;
}

Histogram histogram(std::span<const int> scores, int maxBins)
{
    Histogram result;
    if (scores.empty()) {
        return result;
    }
    const auto [lowest, highest] = std::minmax_element(scores.begin(), scores.end());
    const long long low = *lowest;
    const long long high = *highest;
    const auto floorTo = [](long long value, long long width) {
        const long long quotient = value / width;
        return (value % width < 0 ? quotient - 1 : quotient) * width;
    };
    // The smallest round width whose bins, starting at a multiple of it, cover
    // every score in at most maxBins bins. Any two ints fit in one bin of
    // 5,000,000,000, so the search ends there.
    for (long long scale = 1;; scale *= 10) {
        for (const long long step : {1, 2, 5}) {
            const long long width = step * scale;
            const long long first = floorTo(low, width);
            const long long binCount = (high - first) / width + 1;
            if (binCount <= std::max(maxBins, 1)) {
                result.first = first;
                result.width = width;
                result.counts.assign(static_cast<std::size_t>(binCount), 0);
                for (const int score : scores) {
                    ++result.counts[static_cast<std::size_t>((score - first) / width)];
                }
                return result;
            }
        }
    }
}

CellMeans cellMeans(const std::vector<FinishedGame>& games)
{
    CellMeans means{};
    if (games.empty()) {
        return means;
    }
    for (const FinishedGame& game : games) {
        for (int row = 1; row <= kRows; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                means[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column)] += game.cell(row, column);
            }
        }
    }
    for (auto& row : means) {
        for (double& mean : row) {
            mean /= static_cast<double>(games.size());
        }
    }
    return means;
}

SumMeans sumMeans(const std::vector<FinishedGame>& games)
{
    SumMeans means{};
    for (const FinishedGame& game : games) {
        for (std::size_t section = 0; section < means.size(); ++section) {
            for (std::size_t column = 0; column < means[section].size(); ++column) {
                means[section][column] += game.sectionSums[section][column];
            }
        }
    }
    if (!games.empty()) {
        for (auto& section : means) {
            for (double& mean : section) {
                mean /= static_cast<double>(games.size());
            }
        }
    }
    return means;
}

double rowStrength(int row, double value)
{
    // The best value of each row from 9 (3 of kind) to 14 (Dakru).
    constexpr std::array<double, 6> kLowerBest{28, 35, 45, 58, 64, 80};
    constexpr double kFewestPips = 5;  // five ones
    constexpr double kMostPips = 30;   // five sixes
    double strength = 0;
    if (row >= 1 && row <= 6) {
        strength = value / (5.0 * row);
    } else if (row == 7) {
        strength = (kMostPips - value) / (kMostPips - kFewestPips);
    } else if (row == 8) {
        strength = (value - kFewestPips) / (kMostPips - kFewestPips);
    } else if (row >= 9 && row <= kRows) {
        strength = value / kLowerBest[static_cast<std::size_t>(row - 9)];
    }
    return std::clamp(strength, 0.0, 1.0);
}

}  // namespace dakru::history
