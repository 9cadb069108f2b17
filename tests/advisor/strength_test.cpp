// The advisor against the greedy player on the same seeded dice: far ahead.

#include <gtest/gtest.h>

#include "self_play.h"

namespace dakru::advisor {
namespace {

TEST(Strength, TheAdvisorBeatsTheGreedyPlayerByAWideMargin)
{
    constexpr int kGames = 200;
    AdvisorPlayer advisor;
    GreedyPlayer greedy;
    long advisorTotal = 0;
    long greedyTotal = 0;
    int advisorWins = 0;
    for (std::uint64_t seed = 1; seed <= kGames; ++seed) {
        const int a = playGame(advisor, seed).finalScore;
        const int g = playGame(greedy, seed).finalScore;
        advisorTotal += a;
        greedyTotal += g;
        advisorWins += a > g ? 1 : 0;
    }
    // The greedy player averages about 500; the advisor about twice that.
    EXPECT_GT(advisorTotal / kGames, greedyTotal / kGames + 400);
    EXPECT_GT(advisorWins, kGames * 95 / 100);
}

}  // namespace
}  // namespace dakru::advisor
