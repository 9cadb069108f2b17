// The advisor never proposes what the game would refuse: over many positions
// from whole games, every action it lists is one the engine allows there.

#include <gtest/gtest.h>

#include "advisor.h"
#include "legal_cells.h"
#include "self_play.h"

namespace dakru::advisor {
namespace {

// Checks every listed action against the engine's marks and roll rules, then
// plays the one a wrapped player picks, so that the positions come from real games.
class CheckingPlayer final : public Player {
public:
    explicit CheckingPlayer(Player& inner) : inner_(inner) {}
    int positions = 0;
    int forcedCalls = 0;
    int calls = 0;

    Action decide(const GameState& state) override
    {
        const std::optional<Advice> advice = advisor_.advise(state, 1000);
        EXPECT_TRUE(advice.has_value());
        if (!advice) {
            return inner_.decide(state);
        }
        ++positions;
        const int rolls = state.RollCount.value_or(0);
        const int called = state.CalledRow.value_or(0);
        const bool forced = rolls == 1 && called == 0 && onlyCallCellsLeft(state.cells);
        forcedCalls += forced ? 1 : 0;
        for (std::size_t i = 1; i < advice->actions.size(); ++i) {
            EXPECT_GE(advice->actions[i - 1].expectedScore, advice->actions[i].expectedScore) << "not best first";
        }
        for (const Action& a : advice->actions) {
            switch (a.move) {
            case Move::Roll:
                EXPECT_LT(rolls, 3) << "a fourth roll";
                EXPECT_FALSE(forced) << "a roll before the call the game demands";
                if (rolls == 0) {
                    EXPECT_EQ(a.hold, (std::array<bool, kDiceCount>{})) << "holding blank dice";
                }
                break;
            case Move::Call:
                ++calls;
                EXPECT_EQ(rolls, 1);
                EXPECT_EQ(called, 0);
                EXPECT_EQ(a.column, Column::Call);
                EXPECT_TRUE(state.cells[index(Column::Call)][a.row - 1].marked) << "call on row " << a.row;
                break;
            case Move::Write:
                EXPECT_GT(rolls, 0);
                EXPECT_TRUE(state.cells[index(a.column)][a.row - 1].marked)
                    << "write in column " << index(a.column) << " row " << a.row;
                if (called > 0) {
                    EXPECT_EQ(a.column, Column::Call);
                    EXPECT_EQ(a.row, called) << "a called row left unfinished";
                }
                break;
            }
        }
        return inner_.decide(state);
    }

private:
    Player& inner_;
    Advisor advisor_;
};

// A random player that calls only when it must, so that the Call column is
// left to the end of the game: every one of its last turns is a forced call.
class CallShyPlayer final : public Player {
public:
    explicit CallShyPlayer(std::uint64_t seed) : random_(seed) {}
    Action decide(const GameState& state) override
    {
        for (int tries = 0;; ++tries) {
            const Action a = random_.decide(state);
            if (a.move != Move::Call || onlyCallCellsLeft(state.cells) || tries > 100) {
                return a;
            }
        }
    }

private:
    RandomPlayer random_;
};

// Positions from random games reach every corner: calls at any time, odd
// holds, and (for the call-shy player) the forced call.
TEST(Legality, EveryListedActionIsAllowedInRandomGames)
{
    int forcedCalls = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        RandomPlayer random(seed);
        CallShyPlayer callShy(seed);
        CheckingPlayer checking(seed % 2 ? static_cast<Player&>(random) : callShy);
        ASSERT_NO_THROW(playGame(checking, seed));
        EXPECT_GT(checking.positions, kCellCount);
        forcedCalls += checking.forcedCalls;
    }
    EXPECT_GE(forcedCalls, 6 * kRowCount) << "the call-shy games did not end in forced calls";
}

// The advisor's own games: it plays every game to the end, and the engine
// accepts each of its moves (playGame throws on one it refuses).
TEST(Legality, TheAdvisorPlaysWholeGamesTheEngineAccepts)
{
    for (std::uint64_t seed = 100; seed < 106; ++seed) {
        AdvisorPlayer advisor;
        CheckingPlayer checking(advisor);
        PlayedGame game;
        ASSERT_NO_THROW(game = playGame(checking, seed));
        EXPECT_LE(game.decisions, kCellCount * 5);
        EXPECT_GT(checking.calls, 0);
    }
}

// Nothing to advise once the sheet is full or the score has been dealt with.
TEST(Legality, NoAdviceWhenTheGameIsOver)
{
    GreedyPlayer greedy;
    GameState over;
    over.cells = playGame(greedy, 7).sheet;
    over.RollCount = 0;
    over.CalledRow = 0;
    Advisor advisor;
    EXPECT_FALSE(advisor.advise(over));
    GameState dealtWith;
    dealtWith.rollVisible = false;
    EXPECT_FALSE(advisor.advise(dealtWith));
    // A fresh game, before any roll: roll.
    const std::optional<Advice> first = advisor.advise(GameState{});
    ASSERT_TRUE(first);
    EXPECT_EQ(first->best().move, Move::Roll);
    EXPECT_EQ(first->best().hold, (std::array<bool, kDiceCount>{}));
}

}  // namespace
}  // namespace dakru::advisor
