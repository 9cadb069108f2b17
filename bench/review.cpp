// How far the review can be trusted, and how long it takes. The same seeded
// games (the same dice seeds for every player) are played by the advisor and
// by three weaker players: a near-best one, the greedy one and the random one.
// The review's mean points lost for a player should match that player's real
// gap, the advisor's mean less the player's; the advisor's own games must lose
// nothing. Review times are processor time of one thread: one core.
//
//   dakru_bench_review [--games N] [--first SEED] [--threads N]

#include <time.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <numeric>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "players.h"
#include "review.h"
#include "self_play.h"

namespace {

using namespace dakru;
using namespace dakru::advisor;

struct Options {
    int games = 2'000;
    std::uint64_t first = 1;
    int threads = 2;
};

// The advisor itself, then the three players the review is measured on.
constexpr int kPlayers = 4;
constexpr std::array<const char*, kPlayers> kNames{"advisor", "near-best", "greedy", "random"};
constexpr std::array<double, kPlayers> kTargets{0, 0.05, 0.10, 0.15};

std::unique_ptr<Player> makePlayer(int which, std::uint64_t seed)
{
    switch (which) {
    case 0: return std::make_unique<AdvisorPlayer>();
    case 1: return std::make_unique<NearBestPlayer>(seed ^ 0xbe57ull);
    case 2: return std::make_unique<GreedyPlayer>();
    default: return std::make_unique<RandomPlayer>(seed ^ 0x5eedull);
    }
}

double threadSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

struct Reviewed {
    int score = 0;
    double lost = 0;
    double largestLoss = 0;
    double seconds = 0;
    int decisions = 0;
    std::array<int, review::kGradeCount> grades{};
};

using Row = std::array<Reviewed, kPlayers>;

Row playAndReview(std::uint64_t seed, Advisor& reviewer)
{
    Row row;
    for (int p = 0; p < kPlayers; ++p) {
        const std::unique_ptr<Player> player = makePlayer(p, seed);
        const PlayedGame game = playGame(*player, seed);
        const double start = threadSeconds();
        const review::Reviewed reviewed = review::reviewGame(game.record, game.sheet, reviewer);
        row[p].seconds = threadSeconds() - start;
        if (!reviewed.review) {
            throw std::runtime_error("seed " + std::to_string(seed) + ", " + kNames[p] + ": " + reviewed.refusal);
        }
        row[p].score = game.finalScore;
        row[p].lost = reviewed.review->lost;
        row[p].decisions = static_cast<int>(reviewed.review->decisions.size());
        row[p].grades = reviewed.review->grades;
        for (const review::Decision& d : reviewed.review->decisions) {
            row[p].largestLoss = std::max(row[p].largestLoss, d.loss);
        }
    }
    return row;
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    const auto at = static_cast<std::size_t>(std::ceil(p / 100.0 * static_cast<double>(values.size()))) - 1;
    return values[std::min(at, values.size() - 1)];
}

void report(const std::vector<Row>& rows)
{
    const auto n = static_cast<double>(rows.size());
    std::array<double, kPlayers> meanScore{};
    std::array<double, kPlayers> meanLost{};
    std::array<double, kPlayers> largest{};
    std::array<long, kPlayers> decisions{};
    std::array<std::array<long, review::kGradeCount>, kPlayers> grades{};
    std::vector<double> allSeconds;
    std::array<std::vector<double>, kPlayers> seconds;
    for (const Row& row : rows) {
        for (int p = 0; p < kPlayers; ++p) {
            meanScore[p] += row[p].score / n;
            meanLost[p] += row[p].lost / n;
            largest[p] = std::max(largest[p], row[p].largestLoss);
            decisions[p] += row[p].decisions;
            for (int g = 0; g < review::kGradeCount; ++g) {
                grades[p][g] += row[p].grades[g];
            }
            seconds[p].push_back(row[p].seconds);
            allSeconds.push_back(row[p].seconds);
        }
    }
    std::printf(
        "| player    |   mean | real gap | review's loss | ratio | target     | decisions | best   | inaccuracy"
        " | mistake | blunder | review mean | review p99 |\n");
    std::printf(
        "|-----------|--------|----------|---------------|-------|------------|-----------|--------|-----------"
        "-|---------|---------|-------------|------------|\n");
    for (int p = 0; p < kPlayers; ++p) {
        const double gap = meanScore[0] - meanScore[p];
        const auto share = [&](int g) { return 100.0 * static_cast<double>(grades[p][g]) / decisions[p]; };
        std::array<char, 32> ratio{};
        std::array<char, 32> target{};
        if (p == 0) {
            std::snprintf(ratio.data(), ratio.size(), "  -  ");
            std::snprintf(target.data(), target.size(), "loses 0.0");
        } else {
            std::snprintf(ratio.data(), ratio.size(), "%5.2f", meanLost[p] / gap);
            std::snprintf(target.data(), target.size(), "%.2f-%.2f", 1 - kTargets[p], 1 + kTargets[p]);
        }
        std::printf(
            "| %-9s | %6.1f | %8.1f | %13.1f | %s | %-10s | %9.1f | %5.1f%% | %9.1f%% | %6.1f%% | %6.1f%% | %8.1f ms "
            "| %7.1f ms |\n",
            kNames[p], meanScore[p], gap, meanLost[p], ratio.data(), target.data(), decisions[p] / n, share(0),
            share(1), share(2), share(3), 1000 * (std::accumulate(seconds[p].begin(), seconds[p].end(), 0.0) / n),
            1000 * percentile(seconds[p], 99));
    }
    std::printf("\nThe advisor's own games: the largest loss of any decision is %.6f points.\n", largest[0]);
    const double all = std::accumulate(allSeconds.begin(), allSeconds.end(), 0.0);
    std::printf("Reviewing a whole game, every player's: mean %.1f ms, p99 %.1f ms, max %.1f ms (one core).\n",
                1000 * all / static_cast<double>(allSeconds.size()), 1000 * percentile(allSeconds, 99),
                1000 * percentile(allSeconds, 100));
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    bool understood = argc % 2 == 1;
    for (int i = 1; understood && i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        if (name == "--games" && std::atoi(argv[i + 1]) > 0) {
            options.games = std::atoi(argv[i + 1]);
        } else if (name == "--first") {
            options.first = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (name == "--threads" && std::atoi(argv[i + 1]) > 0) {
            options.threads = std::atoi(argv[i + 1]);
        } else {
            understood = false;
        }
    }
    if (!understood) {
        std::cerr << "usage: dakru_bench_review [--games N] [--first SEED] [--threads N]\n";
        return 2;
    }
    std::printf("The review's calibration: %d seeded games from seed %llu, the same dice seeds for every player\n\n",
                options.games, static_cast<unsigned long long>(options.first));
    std::fflush(stdout);

    const double loadStart = threadSeconds();
    Advisor first;
    const double loadSeconds = threadSeconds() - loadStart;

    std::vector<Row> rows(static_cast<std::size_t>(options.games));
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    const auto work = [&](Advisor& reviewer) {
        for (int g = next++; g < options.games && !failed; g = next++) {
            try {
                rows[static_cast<std::size_t>(g)] =
                    playAndReview(options.first + static_cast<std::uint64_t>(g), reviewer);
            } catch (const std::exception& e) {
                std::cerr << "dakru_bench_review: " << e.what() << "\n";
                failed = true;
            }
        }
    };
    std::vector<Advisor> reviewers(static_cast<std::size_t>(options.threads - 1));
    std::vector<std::thread> workers;
    workers.reserve(reviewers.size());
    for (Advisor& reviewer : reviewers) {
        workers.emplace_back(work, std::ref(reviewer));
    }
    work(first);
    for (std::thread& worker : workers) {
        worker.join();
    }
    if (failed) {
        return 1;
    }
    report(rows);
    std::printf("Making the advisor the review uses (its model read): %.1f ms.\n", 1000 * loadSeconds);
    return 0;
}
