// A game in which a hint was shown is assisted: the flag lives in the game
// state, survives undo and the kept game, and keeps the score out of the table.

#include "game_state_codec.h"
#include "harness.h"

namespace dakru::test {
namespace {

using Assisted = Game;

TEST_F(Assisted, TheScoreOfAnAssistedGameStaysOutOfTheTable)
{
    fill(kCellCount - 1);
    roll({1, 1, 1, 1, 1});
    engine.HintShown();
    click(Column::Call, row::Dakru);
    click(Column::Call, row::Dakru);
    shell.take();
    engine.Timer2();
    EXPECT_EQ(shell.take(),
              (Log{"cover F", "message The computer helped in this game, so its score does not go into the table."}));
    EXPECT_FALSE(engine.rollVisible()) << "the score counts as dealt with";
    engine.Timer2();
    EXPECT_EQ(shell.take(), Log{}) << "said once";
    ASSERT_EQ(shell.finished.size(), 1U) << "the history still keeps an assisted game, once";
    EXPECT_TRUE(shell.finished[0].assisted);

    // A new game is played alone again, and its score is handed over as always.
    engine.NewGame_Click();
    EXPECT_FALSE(engine.assisted());
    fill(kCellCount);
    shell.take();
    engine.Timer2();
    EXPECT_EQ(shell.take(), (Log{"cover F", "handover 468"}));
    ASSERT_EQ(shell.finished.size(), 2U);
    EXPECT_FALSE(shell.finished[1].assisted);
}

TEST_F(Assisted, AHintSeenStaysSeenThroughUndoAndTheKeptGame)
{
    write(Column::DownUp, 3, {3, 3, 3, 1, 2});
    engine.HintShown();  // between turns: the roll to come is no choice
    EXPECT_FALSE(engine.assisted());
    roll({3, 3, 3, 1, 2});
    engine.HintShown();
    EXPECT_TRUE(engine.assisted());
    click(Column::DownUp, 4);
    engine.Undo();
    EXPECT_TRUE(engine.assisted());
    EXPECT_FALSE(value(Column::DownUp, 4));

    // The kept game carries it into the next run.
    Play next;
    next.engine.OfferKeptGame(decodeGameState(encodeGameState(engine.gameState())).state.value());
    next.roll({});
    EXPECT_TRUE(next.engine.assisted());
}

TEST(AssistedFile, OnlyAnAssistedGameHasTheLineAndOlderFilesReadAsPlayedAlone)
{
    Play p;
    p.write(Column::Down, 1);
    GameState state = p.engine.gameState();
    const std::string alone = encodeGameState(state);
    EXPECT_EQ(alone.find("assisted"), std::string::npos);
    EXPECT_FALSE(decodeGameState(alone).state->assisted);

    state.assisted = true;
    const std::string helped = encodeGameState(state);
    EXPECT_EQ(helped, alone + "assisted 1\n");
    EXPECT_EQ(decodeGameState(helped).state, state);
    EXPECT_FALSE(decodeGameState(alone + "assisted 0\n").state->assisted);
    for (const std::string bad : {"assisted 2\n", "assisted\n", "helped 1\n", "assisted 1\nmore\n"}) {
        EXPECT_FALSE(decodeGameState(alone + bad).state) << bad;
    }
}

}  // namespace
}  // namespace dakru::test
