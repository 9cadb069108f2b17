// Every action priced, not only the advised few: the largest count lists them
// all, and any legal action is priced as that list prices it.

#include <cstdint>
#include <limits>

#include "advisor.h"
#include "harness.h"
#include "self_play.h"

namespace dakru::advisor {
namespace {

using Holds = std::array<bool, kDiceCount>;

// After a first roll of five different faces on an empty sheet: 14 calls,
// 16 writes (Down 1, Up 14, all of Down\Up) and 31 holds (all but all five).
TEST(EveryAction, TheLargestCountListsThemAll)
{
    test::Play p;
    p.roll({1, 2, 3, 4, 6});
    Advisor advisor;
    const std::optional<Advice> all = advisor.advise(p.engine.gameState(), std::numeric_limits<std::size_t>::max());
    ASSERT_TRUE(all);
    EXPECT_EQ(all->actions.size(), 14u + 16u + 31u);
    EXPECT_EQ(advisor.advise(p.engine.gameState(), 1000)->actions, all->actions);
    EXPECT_EQ(advisor.advise(p.engine.gameState(), 60)->actions, all->actions);
    EXPECT_EQ(advisor.advise(p.engine.gameState(), 59)->actions.size(), 60u);
    EXPECT_EQ(advisor.advise(p.engine.gameState(), 0)->actions.size(), 1u);
}

// Checks the prices in every position of a player's games, then plays as that player.
class PriceChecker final : public Player {
public:
    explicit PriceChecker(Player& inner) : inner_(inner) {}
    int holdAllPriced = 0;

    Action decide(const GameState& state) override
    {
        const std::optional<Advice> advice = advisor_.advise(state, std::numeric_limits<std::size_t>::max());
        EXPECT_TRUE(advice);
        if (!advice || state.RollCount.value_or(0) == 0) {
            return inner_.decide(state);
        }
        const double best = advice->best().expectedScore;
        bool mayRoll = false;
        for (const Action& a : advice->actions) {
            EXPECT_EQ(advisor_.expectedScore(state, a), a.expectedScore);
            mayRoll = mayRoll || a.move == Move::Roll;
            if (a.move == Move::Roll) {
                // The same dice held by other equal dice cost the same.
                const Holds mirrored = mirror(a.hold, state);
                EXPECT_EQ(advisor_.expectedScore(state, Action{.hold = mirrored}), a.expectedScore);
            }
        }
        const std::optional<double> holdAll =
            advisor_.expectedScore(state, Action{.hold = {true, true, true, true, true}});
        EXPECT_EQ(holdAll.has_value(), mayRoll);
        if (holdAll) {
            EXPECT_LE(*holdAll, best + 1e-9);  // equal where rolling nothing is as good as the best
            ++holdAllPriced;
        }
        // Nothing for what the game does not allow now.
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                if (!state.cells[index(column)][row - 1].marked) {
                    EXPECT_FALSE(
                        advisor_.expectedScore(state, Action{.move = Move::Write, .column = column, .row = row}));
                }
            }
        }
        if (state.CalledRow.value_or(0) > 0) {
            EXPECT_FALSE(advisor_.expectedScore(
                state, Action{.move = Move::Call, .column = Column::Call, .row = *state.CalledRow}));
        }
        return inner_.decide(state);
    }

private:
    // The same dice held, each group of equal faces by the last dice showing it.
    static Holds mirror(const Holds& hold, const GameState& state)
    {
        std::array<int, 7> count{};
        for (int n = 0; n < kDiceCount; ++n) {
            count[*state.dice[n].face] += hold[n] ? 1 : 0;
        }
        Holds mirrored{};
        for (int n = kDiceCount - 1; n >= 0; --n) {
            if (int& left = count[*state.dice[n].face]; left > 0) {
                --left;
                mirrored[n] = true;
            }
        }
        return mirrored;
    }

    Player& inner_;
    Advisor advisor_;
};

TEST(EveryAction, AnyLegalActionIsPricedAsTheListPricesIt)
{
    RandomPlayer random(7);
    PriceChecker checker(random);
    for (std::uint64_t seed = 1; seed <= 2; ++seed) {
        playGame(checker, seed);
    }
    EXPECT_GT(checker.holdAllPriced, 50);
}

}  // namespace
}  // namespace dakru::advisor
