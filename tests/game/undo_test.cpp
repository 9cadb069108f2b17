#include "harness.h"

namespace dakru::test {
namespace {

using Undo = Game;

// Ctrl+Z puts back the sheet, the marks, the dice and their holds exactly as
// they were before the click, once; the sums follow on the next tick.
TEST_F(Undo, TakesBackAWriteOnceAndTheSumsFollowOnTheNextTick)
{
    write(Column::Down, 1, {1, 1, 2, 3, 4});
    engine.Timer1();
    roll({1, 1, 1, 5, 6});
    engine.Kocka_Click(2);
    roll({1, 1, 1, 1});
    const GameState before = engine.gameState();
    click(Column::DownUp, row::Poker);
    engine.Timer1();
    ASSERT_EQ(engine.grandTotal(), 2 + 44);
    shell.take();

    engine.Undo();
    EXPECT_EQ(engine.gameState(), before);
    EXPECT_EQ(shell.take(), (Log{"picture 1 d1.jpg", "picture 2 d1s.jpg", "picture 3 d1.jpg", "picture 4 d1.jpg",
                                 "picture 5 d1.jpg"}));  // no cue
    EXPECT_EQ(engine.grandTotal(), 2 + 44);
    engine.Timer1();
    EXPECT_EQ(engine.grandTotal(), 2);
    EXPECT_EQ(engine.rollsLeftText(), "2");

    const std::string once = state(engine);
    engine.Undo();
    EXPECT_EQ(state(engine), once);
    EXPECT_TRUE(shell.take().empty());
    click(Column::DownUp, row::Minimum);  // the turn goes on from the restored dice
    EXPECT_EQ(value(Column::DownUp, row::Minimum), 5);
}

TEST_F(Undo, TakesBackACallWithTheHoldsAsTheyWereBeforeIt)
{
    roll({2, 2, 3, 3, 3});
    engine.Kocka_Click(1);
    const GameState before = engine.gameState();
    click(Column::Call, row::FullHouse);
    engine.Kocka_Click(2);
    engine.Kocka_Click(1);
    ASSERT_EQ(yellow(engine).size(), 1u);

    engine.Undo();
    EXPECT_EQ(engine.gameState(), before);
    EXPECT_EQ(yellow(engine).size(), 30u);  // every Call cell open again after the first roll
    click(Column::Call, row::Poker);        // another call in its place
    EXPECT_EQ(engine.CalledRow(), row::Poker);
}

void callOnThree(Play& p)
{
    p.roll({1, 2, 3, 4, 5});
    p.click(Column::Call, 3);
}

// Each case ends with a write or a call, then does something else before the
// Ctrl+Z; the Ctrl+Z takes back the click unless a roll or the hand-over came between.
TEST_F(Undo, OnlyUntilTheNextRollOrTheHandOver)
{
    const std::tuple<const char*, std::function<void(Play&)>, bool> cases[] = {
        {"write, roll",
         [](Play& p) {
             p.write(Column::Down, 1);
             p.roll({2, 2, 2, 2, 2});
         },
         false},
        {"call, roll",
         [](Play& p) {
             callOnThree(p);
             p.roll({6, 6, 6, 6, 6});
         },
         false},
        {"call, hold",
         [](Play& p) {
             callOnThree(p);
             p.engine.Kocka_Click(4);
         },
         true},
        {"last write, totals tick",
         [](Play& p) {
             p.fill(56);
             p.engine.Timer1();
         },
         true},
        {"last write, hand-over",
         [](Play& p) {
             p.fill(56);
             p.engine.Timer2();
         },
         false},
        {"write, new game",
         [](Play& p) {
             p.write(Column::Down, 1);
             p.engine.NewGame_Click();
         },
         false},
    };
    for (const auto& [name, play, undone] : cases) {
        Play p;
        play(p);
        const GameState after = p.engine.gameState();
        p.engine.Undo();
        EXPECT_EQ(p.engine.gameState() != after, undone) << name;
    }

    // Taken back before the watch fires, the last write leaves nothing to hand over.
    fill(56);
    engine.Undo();
    shell.take();
    engine.Timer2();
    EXPECT_TRUE(shell.take().empty());
}

}  // namespace
}  // namespace dakru::test
