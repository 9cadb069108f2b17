#include "harness.h"
#include "high_score_window.h"
#include "sheet_names.h"

namespace dakru::ui::testing {
namespace {

class GameEndTest : public Form1Test {
protected:
    // One turn with the dice as they fall (sixes unless scripted): roll, then write.
    void writeTurn(Column column, int row)
    {
        const QString cell = cellName(column, row);
        click("G1");
        if (column == Column::Call) {
            click(cell);  // places the call
        }
        click(cell);
        ASSERT_NE(text(cell), "") << cell.toStdString();
    }
};

TEST_F(GameEndTest, FullGameByClicksEntersTheScoreOnce)
{
    for (int row = 1; row <= kRowCount; ++row) {
        writeTurn(Column::Down, row);
        writeTurn(Column::Up, kRowCount + 1 - row);
        writeTurn(Column::DownUp, row);
    }

    // Only Call cells are left: a second roll needs a call first.
    click("G1");
    EXPECT_EQ(yellowCount(), 14);
    click("G1");
    EXPECT_EQ(dialogs.messages, QStringList{QStringLiteral("You must place a call first !")});
    click(cellName(Column::Call, 1));
    click(cellName(Column::Call, 1));
    for (int row = 2; row <= kRowCount; ++row) {
        writeTurn(Column::Call, row);
    }

    // Sixes throughout: 30 + 28 + 64 + 80 in each of the four columns.
    form->Timer1_Timer();
    EXPECT_EQ(text("Label86"), "808");
    EXPECT_EQ(form->highScoreWindow(), nullptr);

    // The game-end watch ticks again while the name is being asked.
    scoreDialogs.whileOpen = [this] { form->Timer2_Timer(); };
    form->Timer2_Timer();
    ASSERT_NE(form->highScoreWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));

    ASSERT_EQ(scoreDialogs.prompts.size(), 1);
    EXPECT_TRUE(scoreDialogs.prompts[0].startsWith(QLatin1String("Congratiulations ! You are the 1st one")));
    const scores::HighScoreTable table = scores::readTable(tableFile);
    EXPECT_EQ(table[0], "0808 - Tester");
    EXPECT_EQ(table[1], "0200 - Old0");
    EXPECT_EQ(cues.count(Cue::ScoreHigh), 1);
    EXPECT_FALSE(form->engine().rollVisible());
    EXPECT_EQ(stackIndex("Image1"), stackIndex("Kocka1p") - 1);  // the cover is back in front

    // Handed over: neither timer acts again, and ROLL now offers a new game.
    form->Timer2_Timer();
    form->Timer1_Timer();
    EXPECT_EQ(scoreDialogs.prompts.size(), 1);
    click("G1");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(form->engine().rollVisible());
}

TEST_F(GameEndTest, HighScoreWindowBlanksTheRollCounterOnEveryActivation)
{
    roll({1, 2, 3, 4, 5});
    form->Timer1_Timer();
    ASSERT_EQ(text("RollsLeft"), "1");

    click("G3");
    scores::HighScoreWindow* table = form->highScoreWindow();
    ASSERT_NE(table, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    EXPECT_EQ(text("RollsLeft"), "");

    // The player turns to another window, the counter comes back, then the table is clicked again.
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    form->Timer1_Timer();
    EXPECT_EQ(text("RollsLeft"), "1");
    table->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(table));
    EXPECT_EQ(text("RollsLeft"), "");
    EXPECT_TRUE(scoreDialogs.prompts.isEmpty());

    // Closed by the window system it is gone, and the next showing makes a new one.
    table->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->highScoreWindow(), nullptr);
    keyUp(Qt::Key_F3);
    ASSERT_NE(form->highScoreWindow(), nullptr);
    EXPECT_TRUE(form->highScoreWindow()->isVisible());
}

}  // namespace
}  // namespace dakru::ui::testing
