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

    // A whole game with the dice as they fall: Down, Up and Down\Up row by row, then the calls.
    void fillSheet()
    {
        for (int row = 1; row <= kRowCount; ++row) {
            writeTurn(Column::Down, row);
            writeTurn(Column::Up, kRowCount + 1 - row);
            writeTurn(Column::DownUp, row);
        }
        for (int row = 1; row <= kRowCount; ++row) {
            writeTurn(Column::Call, row);
        }
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

// The table is open behind the main window when the game ends: it asks for
// attention, and NEW, F2 and F3 bring it forward to take the score.
TEST_F(GameEndTest, AScoreWaitingForATableInTheBackgroundIsNeverSilent)
{
    const struct {
        const char* way;
        std::function<void()> act;
    } cases[] = {
        {"F2", [this] { keyUp(Qt::Key_F2); }},
        {"NEW", [this] { click("G2"); }},
        {"F3", [this] { keyUp(Qt::Key_F3); }},
    };
    int entered = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.way);
        fillSheet();
        form->Timer1_Timer();
        keyUp(Qt::Key_F3);
        scores::HighScoreWindow* table = form->highScoreWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(table));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        scoreDialogs.alerts.clear();

        form->Timer2_Timer();
        EXPECT_EQ(scoreDialogs.alerts, QStringList{QStringLiteral("Form2")});
        EXPECT_TRUE(form->isActiveWindow()) << "the player is not pulled away by the watch";
        EXPECT_EQ(scoreDialogs.prompts.size(), entered);

        c.act();
        ASSERT_TRUE(QTest::qWaitForWindowActive(table));
        EXPECT_EQ(scoreDialogs.prompts.size(), ++entered);
        EXPECT_FALSE(table->scorePending());
        EXPECT_TRUE(dialogs.questions.isEmpty()) << "a finished game is not thrown away";

        keyUp(Qt::Key_F2);  // the next game
        ASSERT_EQ(dialogs.questions.size(), 1);
        dialogs.questions.clear();
    }
    EXPECT_EQ(scores::readTable(tableFile)[2], "0808 - Tester");
}

}  // namespace
}  // namespace dakru::ui::testing
