// H shows the advisor's best move on the main window and reads it out; H again
// on the same position makes it. A game with a hint stays out of the table.

#include "harness.h"
#include "high_score_window.h"
#include "sheet_names.h"

namespace dakru::ui::testing {
namespace {

class HintTest : public Form1Test {
protected:
    void hint() { keyUp(Qt::Key_H); }
    QString sentence() const { return widget("Hint")->accessibleName(); }
    bool dieMarked(int n) const { return widget(QStringLiteral("HintDie%1").arg(n))->isVisible(); }
    QWidget* cursor() const { return widget("SheetCursor"); }
    bool cursorOn(Column column, int row) const
    {
        return cursor()->isVisible() && cursor()->geometry().contains(label(cellName(column, row))->geometry());
    }
    bool rollFramed() const { return widget("GS1")->isVisible(); }
    int filled() const
    {
        int n = 0;
        for (const auto& column : form->engine().gameState().cells) {
            n += static_cast<int>(std::ranges::count_if(column, [](const Cell& c) { return c.value.has_value(); }));
        }
        return n;
    }
};

// On the title screen there is no decision to make: H marks nothing, the
// game stays the player's own, and the screen reader hears why. Once a game
// is under way the roll that opens a turn is shown and made by H, still
// without assisting the game: there is no choice in it.
TEST_F(HintTest, NoDecisionNoHintAndTheOpeningRollIsNoChoice)
{
    for (int n = 1; n <= kDiceCount; ++n) {
        EXPECT_FALSE(dieMarked(n));
    }
    hint();
    EXPECT_EQ(sentence(), "No hint on the title screen: roll to play");
    hint();
    EXPECT_EQ(form->engine().RollCount().value_or(0), 0) << "H on the title screen does nothing";
    EXPECT_FALSE(form->engine().assisted());

    keyUp(Qt::Key_F2);  // a new game: the sheet comes out from under the cover
    hint();
    EXPECT_EQ(sentence(), "Roll");
    EXPECT_TRUE(rollFramed());
    EXPECT_FALSE(form->engine().assisted());
    EXPECT_EQ(form->engine().RollCount().value_or(0), 0) << "showing changes nothing";
    dice.push({1, 2, 3, 4, 6});
    hint();
    EXPECT_EQ(form->engine().RollCount(), 1);
    EXPECT_FALSE(rollFramed());
    EXPECT_FALSE(form->engine().assisted());

    hint();  // after a roll there are choices: this hint assists the game
    EXPECT_TRUE(form->engine().assisted());
}

// A game kept full on the title screen: H says the sheet is full and marks
// nothing, and the game's score still goes to the table.
TEST_F(HintTest, AKeptFullSheetIsNotMarkedAssistedByH)
{
    GameState full;
    for (auto& column : full.cells) {
        for (Cell& cell : column) {
            cell.value = 0;
        }
    }
    full.RollCount = 0;
    full.CalledRow = 0;
    form->engine().OfferKeptGame(full);
    hint();
    EXPECT_EQ(sentence(), "No hint on the title screen: roll to play");
    keyUp(Qt::Key_F2);  // hands the kept full sheet over
    hint();
    EXPECT_FALSE(form->engine().assisted());
    EXPECT_TRUE(dialogs.messages.isEmpty()) << "no message about help";
}

// A hold: the dice to keep are framed and named; H again holds them and rolls.
TEST_F(HintTest, AHoldIsShownThenMade)
{
    roll({1, 2, 3, 4, 6});
    click(cellName(Column::Call, row::SmallStraight));
    hint();
    EXPECT_EQ(sentence(), "Hold the one, the two, the three and the four and roll");
    EXPECT_TRUE(dieMarked(1) && dieMarked(2) && dieMarked(3) && dieMarked(4));
    EXPECT_FALSE(dieMarked(5));
    EXPECT_TRUE(rollFramed());
    EXPECT_FALSE(form->engine().die(1).held) << "showing holds nothing";

    dice.push({5});
    hint();
    EXPECT_EQ(form->engine().RollCount(), 2);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_TRUE(form->engine().die(n).held);
    }
    EXPECT_EQ(form->engine().die(5).face, 5);
    EXPECT_FALSE(dieMarked(1)) << "the marks leave with the position they were for";
}

// A write: the cell is under the keyboard cursor's frame and named with its
// score; H again writes it (Enter would too). A changed position asks anew.
TEST_F(HintTest, AWriteIsShownUnderTheCursorThenMade)
{
    roll({1, 2, 3, 4, 5});
    click(cellName(Column::Call, row::SmallStraight));
    hint();
    EXPECT_EQ(sentence(), "Write 35 in Call, Small Straight");
    EXPECT_TRUE(cursorOn(Column::Call, row::SmallStraight));
    EXPECT_EQ(text(cellName(Column::Call, row::SmallStraight)), "");

    click("Kocka5p");  // the position changes: H shows again instead of acting
    hint();
    EXPECT_EQ(text(cellName(Column::Call, row::SmallStraight)), "");
    hint();
    EXPECT_EQ(text(cellName(Column::Call, row::SmallStraight)), "35");
    EXPECT_FALSE(cursor()->isVisible());
}

// A call: five fives after the first roll with only Call cells left; the call
// is shown, then placed, then the next H shows the write.
TEST_F(HintTest, ACallIsShownThenPlaced)
{
    GameState onlyCalls;
    for (const Column column : {Column::Down, Column::DownUp, Column::Up}) {
        for (Cell& cell : onlyCalls.cells[index(column)]) {
            cell.value = 0;
        }
    }
    onlyCalls.RollCount = 0;
    onlyCalls.CalledRow = 0;
    form->engine().OfferKeptGame(onlyCalls);
    roll({5, 5, 5, 5, 5});
    hint();
    EXPECT_EQ(sentence(), "Call Dakru");
    EXPECT_TRUE(cursorOn(Column::Call, row::Dakru));
    hint();
    EXPECT_EQ(form->engine().CalledRow(), row::Dakru);
    hint();
    EXPECT_EQ(sentence(), "Write 75 in Call, Dakru");
}

// Pressing H over and over plays a whole game; its score is not offered to
// the table, and one message says why.
TEST_F(HintTest, AnAssistedGameStaysOutOfTheTable)
{
    keyUp(Qt::Key_F2);
    for (int presses = 0; presses < 2000 && filled() < kCellCount; ++presses) {
        hint();
    }
    ASSERT_EQ(filled(), kCellCount) << "H did not play the game to its end";
    form->Timer1_Timer();
    form->Timer2_Timer();
    EXPECT_EQ(
        dialogs.messages,
        QStringList{QStringLiteral("The computer helped in this game, so its score does not go into the table.")});
    EXPECT_EQ(form->highScoreWindow(), nullptr);
    EXPECT_EQ(scores::readTable(tableFile)[0], "0200 - Old0");
    EXPECT_FALSE(form->engine().rollVisible());

    hint();  // on the cover of the finished game: ROLL, which starts a new game
    EXPECT_EQ(sentence(), "Start a new game");
    hint();
    EXPECT_TRUE(form->engine().rollVisible());
    EXPECT_FALSE(form->engine().assisted());
}

}  // namespace
}  // namespace dakru::ui::testing
