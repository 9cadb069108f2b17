// The learner's games from weaker starts: the weaker player's turns are
// exactly its own, the handover comes at the turn asked for, and a mix keeps
// one player for a whole turn.

#include <gtest/gtest.h>

#include <map>

#include "weak_starts.h"

namespace dakru::advisor {
namespace {

// Passes every decision to `inner`, noting the turn it was made in.
class Watched final : public Player {
public:
    explicit Watched(Player& inner) : inner_(inner) {}
    Action decide(const GameState& state) override
    {
        turns.push_back(kCellCount - emptyCellsOf(state.cells) + 1);
        return inner_.decide(state);
    }
    std::vector<int> turns;

private:
    Player& inner_;
};

TEST(WeakStarts, TheFirstPlayerHandsOverAfterItsTurns)
{
    constexpr std::uint64_t kSeed = 7;
    GreedyPlayer greedy;
    const PlayedGame alone = playGame(greedy, kSeed);
    for (const int turns : {1, 20, 54}) {
        Watched first(greedy);
        AdvisorPlayer advisorPlayer(learnedModel(), Depth::Turn);
        Watched then(advisorPlayer);
        HandoverPlayer player(first, then, turns);
        const PlayedGame game = playGame(player, kSeed);
        // The same dice as long as the same player plays.
        EXPECT_EQ(sheetAfter(game, turns), sheetAfter(alone, turns)) << turns;
        EXPECT_EQ(first.turns.back(), turns);
        EXPECT_EQ(then.turns.front(), turns + 1);
        EXPECT_EQ(emptyCellsOf(game.sheet), 0);
    }
}

TEST(WeakStarts, AMixPlaysEachTurnWithOnePlayer)
{
    GreedyPlayer greedy;
    RandomPlayer random(3);
    Watched a(greedy);
    Watched b(random);
    TurnMixPlayer mix({&a, &b}, 11);
    playGame(mix, 5);
    std::map<int, int> playedBy;
    for (const auto* watched : {&a, &b}) {
        for (const int turn : watched->turns) {
            const auto [it, added] = playedBy.emplace(turn, watched == &a ? 0 : 1);
            EXPECT_EQ(it->second, watched == &a ? 0 : 1) << "turn " << turn;
        }
    }
    EXPECT_EQ(playedBy.size(), static_cast<std::size_t>(kCellCount));
    EXPECT_GT(a.turns.size(), 10u);
    EXPECT_GT(b.turns.size(), 10u);
}

// The same seed gives the same game; the seeds take turns over the kinds of start.
TEST(WeakStarts, AWeakStartIsTheSameForTheSameSeed)
{
    AdvisorPlayer advisor(learnedModel(), Depth::Turn);
    for (const std::uint64_t seed : {300, 301, 302}) {
        const WeakStart once = playWeakStart(advisor, seed);
        const WeakStart again = playWeakStart(advisor, seed);
        EXPECT_EQ(once.turns, again.turns);
        EXPECT_GE(once.turns, 1);
        EXPECT_LE(once.turns, kCellCount - 2);
        EXPECT_EQ(once.game.sheet, again.game.sheet);
        EXPECT_EQ(emptyCellsOf(once.game.sheet), 0);
    }
}

}  // namespace
}  // namespace dakru::advisor
