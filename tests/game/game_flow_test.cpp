#include "harness.h"

namespace dakru::test {
namespace {

const std::string kAsk = "ask Are you sure you want to play a New Game?";

using Flow = Game;

TEST_F(Flow, NewGameNoChangesNothingYesEndsTheTurnAndTheSumsFollowOnTheNextTick)
{
    write(Column::Down, 1, {1, 1, 2, 3, 4});
    engine.Timer1();
    roll({5, 5, 5, 2, 2});
    click(Column::Call, row::FullHouse);
    engine.Kocka_Click(4);
    engine.Timer1();
    const std::string before = state(engine);
    shell.take();
    shell.answer = false;
    engine.NewGame_Click();
    EXPECT_EQ(shell.take(), Log{kAsk});  // not even the cover moves
    EXPECT_EQ(state(engine), before);

    shell.answer = true;
    engine.NewGame_Click();
    EXPECT_EQ(shell.take(), (Log{kAsk, "cover B"}));
    EXPECT_TRUE(yellow(engine).empty());
    EXPECT_FALSE(engine.sum(Section::Lower, Column::Down));  // blanked at once; the rest waits for the tick
    EXPECT_EQ(engine.zvanjeText() + engine.rollsLeftText(), "CALL1");
    engine.Timer1();
    EXPECT_EQ(engine.grandTotal(), 0);
    EXPECT_EQ(engine.rollsLeftText() + engine.zvanjeText(), "");
    roll({1, 2, 3, 4, 5});  // the first roll of a turn: five dice released, no call, Call cells open
    EXPECT_EQ(yellow(engine).size(), 30u);
}

TEST_F(Flow, TheGameEndsAtFiftySixCellsAndTheScoreIncludesTheLastOne)
{
    fill(55);
    engine.Timer1();
    shell.take();
    engine.Timer2();
    EXPECT_TRUE(shell.take().empty());
    EXPECT_EQ(engine.grandTotal(), 468 - 55);

    write(Column::Call, row::Dakru);  // 55 more, and no totals tick before the watch
    shell.take();
    engine.Timer2();
    EXPECT_EQ(shell.take(), (Log{"cover F", "handover 468"}));
    engine.Timer2();  // repeated until the high-score side has dealt with it
    EXPECT_EQ(shell.take(), (Log{"cover F", "handover 468"}));

    engine.ScoreDealtWith();  // from now on neither tick changes anything
    const std::string before = state(engine);
    engine.Timer1();
    engine.Timer2();
    EXPECT_TRUE(shell.take().empty());
    EXPECT_EQ(state(engine), before);  // the grand total still shows 413

    engine.NewGame_Click();
    engine.Timer1();
    EXPECT_EQ(engine.grandTotal(), 0);
}

TEST_F(Flow, ALastZeroEndsTheGameLikeAnyOtherScoreAndANewGameStopsTheHandOver)
{
    fill(55);
    write(Column::Call, row::Dakru, {1, 2, 3, 4, 6});
    EXPECT_EQ(value(Column::Call, row::Dakru), 0);
    shell.take();
    engine.Timer2();
    EXPECT_EQ(shell.take(), (Log{"cover F", "handover 413"}));
    engine.ScoreDealtWith();
    engine.NewGame_Click();
    shell.take();
    engine.Timer2();
    EXPECT_TRUE(shell.take().empty());
}

// A new game on a full sheet whose score has not been dealt with hands the
// score over first, as the watch would, without asking; only the next one
// asks and clears the sheet. Before the watch has fired, as after.
TEST_F(Flow, NewGameOnAFullSheetHandsTheScoreOverFirst)
{
    for (const bool watchFired : {false, true}) {
        Play p;
        p.fill(56);
        if (watchFired)
            p.engine.Timer2();
        p.shell.take();
        p.engine.NewGame_Click();
        EXPECT_EQ(p.shell.take(), (Log{"cover F", "handover 468"})) << watchFired;
        EXPECT_EQ(p.value(Column::Call, row::Dakru), 55);
        p.engine.ScoreDealtWith();
        p.engine.NewGame_Click();
        EXPECT_EQ(p.shell.take(), (Log{kAsk, "cover B"}));
        EXPECT_FALSE(p.value(Column::Call, row::Dakru));
    }
}

// The high-score side may hold a modal box open inside the hand-over while the
// timers keep ticking: a nested tick must not hand the same score over again.
TEST_F(Flow, ATickDuringTheHandOverDoesNotHandOverAgain)
{
    fill(56);
    int handOvers = 0;
    shell.whileHandingOver = [&] {
        if (++handOvers == 1) {
            engine.Timer1();
            engine.Timer2();
        }
    };
    engine.Timer2();
    EXPECT_EQ(handOvers, 1);
    EXPECT_EQ(engine.grandTotal(), 468);  // the nested totals tick still runs
    engine.Timer2();                      // a later tick of its own repeats the hand-over
    EXPECT_EQ(handOvers, 2);
}

}  // namespace
}  // namespace dakru::test
