// A small calibration: the review's mean points lost for a player against
// that player's real gap to the advisor on the same seeded dice. The
// benchmark measures it on 2,000 games with the targets; here sixty games
// of each player and a loose bound catch a review that prices the wrong thing.
// The advisor looks to the end of the turn only, to keep it quick.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "review.h"
#include "self_play.h"

namespace dakru::review {
namespace {

using advisor::Depth;

TEST(Calibration, PointsLostFollowTheRealGapOfEachPlayer)
{
    constexpr int kGames = 60;
    advisor::Advisor reviewer(advisor::learnedModel(), Depth::Turn);
    advisor::AdvisorPlayer best(advisor::learnedModel(), Depth::Turn);
    double bestMean = 0;
    for (std::uint64_t seed = 1; seed <= kGames; ++seed) {
        bestMean += advisor::playGame(best, seed).finalScore / static_cast<double>(kGames);
    }
    struct Player {
        const char* name;
        std::unique_ptr<advisor::Player> player;
    };
    Player players[] = {
        {"near-best", std::make_unique<advisor::NearBestPlayer>(11, advisor::learnedModel(), Depth::Turn)},
        {"greedy", std::make_unique<advisor::GreedyPlayer>()},
        {"random", std::make_unique<advisor::RandomPlayer>(11)},
    };
    for (const Player& p : players) {
        double mean = 0;
        double lost = 0;
        for (std::uint64_t seed = 1; seed <= kGames; ++seed) {
            const advisor::PlayedGame game = advisor::playGame(*p.player, seed);
            const Reviewed reviewed = reviewGame(game.record, game.sheet, reviewer);
            ASSERT_TRUE(reviewed.review) << p.name << ", seed " << seed << ": " << reviewed.refusal;
            mean += game.finalScore / static_cast<double>(kGames);
            lost += reviewed.review->lost / kGames;
        }
        // The model still overcharges weak play by up to a third (see the README).
        const double gap = bestMean - mean;
        EXPECT_GT(lost, 0.7 * gap) << p.name << ": " << lost << " lost for a gap of " << gap;
        EXPECT_LT(lost, 1.5 * gap) << p.name << ": " << lost << " lost for a gap of " << gap;
    }
}

}  // namespace
}  // namespace dakru::review
