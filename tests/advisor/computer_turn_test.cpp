// A computer player's turn as steps on the engine: every step is a click the
// game takes, every turn ends in one write, and the game it plays is the game
// its player plays when it moves at once.

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

#include "computer_turn.h"
#include "harness.h"
#include "self_play.h"
#include "strengths.h"

namespace dakru::advisor {
namespace {

using Kind = TurnStep::Kind;

// Counts the player's decisions: one per position, however many clicks follow.
class CountingPlayer final : public Player {
public:
    explicit CountingPlayer(std::unique_ptr<Player> inner, int& count) : inner_(std::move(inner)), count_(count) {}
    Action decide(const GameState& state) override
    {
        ++count_;
        return inner_->decide(state);
    }

private:
    std::unique_ptr<Player> inner_;
    int& count_;
};

struct Stepped {
    std::vector<std::pair<GameState, TurnStep>> steps;  // each with the state it was taken in
    Sheet sheet;
    int decisions = 0;
};

// A whole game by steps on an engine with seeded dice, each step checked
// against what the engine does with it: only a write ends a turn, and it does.
Stepped playBySteps(std::unique_ptr<Player> player, std::uint64_t diceSeed)
{
    test::RecordingShell shell;
    SeededDice dice(diceSeed);
    Engine engine(shell, dice);
    Stepped game;
    ComputerTurn turn(std::make_unique<CountingPlayer>(std::move(player), game.decisions));
    int rolls = 0;
    int calls = 0;
    int writes = 0;
    while (const std::optional<TurnStep> step = turn.next(engine.gameState())) {
        const GameState before = engine.gameState();
        game.steps.emplace_back(before, *step);
        if (game.steps.size() > kCellCount * 20) {
            ADD_FAILURE() << "the game does not advance";
            break;
        }
        takeStep(engine, *step);
        const GameState& after = engine.gameState();
        switch (step->kind) {
        case Kind::Hold:
        case Kind::Release:
            EXPECT_TRUE(before.dice[step->die - 1].face) << "a click on a blank die";
            EXPECT_EQ(after.dice[step->die - 1].held, step->kind == Kind::Hold);
            break;
        case Kind::Roll:
            EXPECT_EQ(after.RollCount.value_or(0), before.RollCount.value_or(0) + 1) << "a roll the game refused";
            ++rolls;
            break;
        case Kind::Call:
            EXPECT_EQ(after.CalledRow, step->row) << "a call the game refused";
            EXPECT_EQ(step->column, Column::Call);
            ++calls;
            break;
        case Kind::Write:
            EXPECT_EQ(after.cells[index(step->column)][step->row - 1].value, step->score) << "a write the game refused";
            EXPECT_EQ(after.RollCount, 0) << "the turn did not end";
            EXPECT_GE(rolls, 1);
            ++writes;
            rolls = 0;
            calls = 0;
            break;
        }
        EXPECT_LE(rolls, 3);
        EXPECT_LE(calls, 1);
        // Only a write takes the dice away: every other step stays in its turn.
        EXPECT_EQ(after.RollCount.value_or(0) > 0, step->kind != Kind::Write);
    }
    EXPECT_EQ(writes, kCellCount);
    for (const std::string& line : shell.log) {
        EXPECT_NE(line.rfind("message ", 0), 0u) << line;
    }
    game.sheet = engine.gameState().cells;
    return game;
}

std::unique_ptr<Player> playerOf(int which, std::uint64_t seed)
{
    if (which < static_cast<int>(kStrengths.size())) {
        return makePlayer(kStrengths[which], seed);
    }
    return std::make_unique<RandomPlayer>(seed);
}

// Each strength (the easy one ends its games in forced calls), and the random
// player for calls at odd times: the steps play the very game the player plays by its decisions, one
// decision per roll, call and write, and the holds that go with them.
TEST(ComputerTurn, StepsPlayTheGameThePlayerPlays)
{
    std::array<int, 5> kinds{};  // every kind of step is reached
    for (int which = 0; which <= static_cast<int>(kStrengths.size()); ++which) {
        for (const std::uint64_t seed : {3u, 4u}) {
            SCOPED_TRACE(testing::Message() << "player " << which << ", seed " << seed);
            const Stepped stepped = playBySteps(playerOf(which, seed), seed);
            const std::unique_ptr<Player> same = playerOf(which, seed);
            const PlayedGame played = playGame(*same, seed);
            EXPECT_EQ(stepped.sheet, played.sheet);
            int thinkingSteps = 0;
            for (const auto& [state, step] : stepped.steps) {
                thinkingSteps += step.kind == Kind::Hold || step.kind == Kind::Release ? 0 : 1;
                ++kinds[static_cast<std::size_t>(step.kind)];
            }
            EXPECT_EQ(stepped.decisions, thinkingSteps);
            EXPECT_EQ(stepped.decisions, played.decisions);
        }
    }
    for (const int n : kinds) {
        EXPECT_GT(n, 0);
    }
}

// The same seed gives the same steps; a player made afresh (a table taken up
// after a restart) goes on from any state of a turn, even between the holds
// of one roll, with the steps the first one took.
TEST(ComputerTurn, TheStepsOfASeedAreTheSameAfterATakeUp)
{
    const Stepped first = playBySteps(makePlayer(Strength::Medium, 5), 11);
    const Stepped again = playBySteps(makePlayer(Strength::Medium, 5), 11);
    ASSERT_EQ(first.steps.size(), again.steps.size());
    for (std::size_t i = 0; i < first.steps.size(); ++i) {
        EXPECT_EQ(first.steps[i].second, again.steps[i].second) << "step " << i;
    }
    int takenUp = 0;
    for (std::size_t i = 1; i < first.steps.size(); ++i) {
        const Kind previous = first.steps[i - 1].second.kind;
        if ((previous == Kind::Hold || previous == Kind::Release) && takenUp < 8) {
            ComputerTurn fresh(makePlayer(Strength::Medium, 5));
            EXPECT_EQ(fresh.next(first.steps[i].first), first.steps[i].second) << "step " << i;
            ++takenUp;
        }
    }
    EXPECT_EQ(takenUp, 8);
}

// Nothing to do on a full sheet or once the score has been dealt with.
TEST(ComputerTurn, NoStepWhenTheGameIsOver)
{
    ComputerTurn turn(makePlayer(Strength::Strong, 1));
    GameState over;
    over.cells = playBySteps(makePlayer(Strength::Easy, 1), 1).sheet;
    EXPECT_FALSE(turn.next(over));
    GameState dealtWith;
    dealtWith.rollVisible = false;
    EXPECT_FALSE(turn.next(dealtWith));
    EXPECT_EQ(turn.next(GameState{}), TurnStep{});
}

}  // namespace
}  // namespace dakru::advisor
