#include <QFile>

#include "harness.h"
#include "sheet_names.h"

namespace dakru::ui::testing {
namespace {

class UndoAndKeepTest : public Form1Test {
protected:
    QString keptFile() const { return QString::fromStdU16String((playerDir / "kept-game.txt").u16string()); }
    void writeKeptFile(const QByteArray& text) const
    {
        QDir().mkpath(QString::fromStdU16String(playerDir.u16string()));
        QFile file(keptFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    bool coverInFront() const { return stackIndex("Image1") > stackIndex("Label7"); }
    void undo() { keyUp(Qt::Key_Z, Qt::ControlModifier); }
};

TEST_F(UndoAndKeepTest, CtrlZTakesBackTheLastWriteOrCallUntilTheNextRoll)
{
    roll({1, 1, 2, 3, 1});
    click("Label8");
    ASSERT_EQ(text("Label8"), "3");
    keyUp(Qt::Key_Z);  // Z alone does nothing
    EXPECT_EQ(text("Label8"), "3");
    cues.played.clear();

    undo();
    EXPECT_EQ(text("Label8"), "");
    EXPECT_EQ(yellowCount(), 30);
    EXPECT_EQ(dieWidth(4), pictureWidth("d3.jpg"));
    EXPECT_TRUE(cues.played.empty());

    click(cellName(Column::Call, row::Minimum));  // a call in its place, then taken back too
    ASSERT_EQ(yellowCount(), 1);
    undo();
    EXPECT_EQ(yellowCount(), 30);
    undo();  // one step only
    EXPECT_EQ(yellowCount(), 30);

    click("Label7");
    roll({6, 6, 6, 6, 6});
    undo();  // not across a roll
    EXPECT_EQ(text("Label7"), "3");
    EXPECT_EQ(form->engine().RollCount(), 1);
}

// Closed mid-turn with a die held and a call placed, the game comes back on
// the first roll press after the next start, which looks as always: the same
// dice, holds, roll count and call, and nothing thrown.
TEST_F(UndoAndKeepTest, AGameClosedMidTurnComesBackAsItWasLeft)
{
    roll({1, 1, 2, 3, 4});
    click("Label7");
    roll({2, 2, 3, 3, 3});
    click(cellName(Column::Call, row::FullHouse));
    click("Kocka1p");
    const GameState closed = form->engine().gameState();

    restart();
    EXPECT_TRUE(coverInFront());
    EXPECT_EQ(text("Label7"), "");
    EXPECT_EQ(yellowCount(), 0);
    EXPECT_EQ(dieWidth(1), pictureWidth("d.jpg"));
    form->Timer1_Timer();
    EXPECT_EQ(text("Label86"), "");

    restart();  // closed again before any roll: still kept
    EXPECT_EQ(form->engine().gameToKeep(), closed);
    keyUp(Qt::Key_Space);
    EXPECT_FALSE(coverInFront());
    EXPECT_EQ(form->engine().gameState(), closed);
    EXPECT_EQ(dieWidth(1), pictureWidth("d2s.jpg"));
    EXPECT_EQ(dieWidth(2), pictureWidth("d2.jpg"));
    EXPECT_EQ(text("Label7"), "2");
    EXPECT_EQ(yellowCount(), 1);
    EXPECT_TRUE(yellow(cellName(Column::Call, row::FullHouse)));
    form->Timer1_Timer();
    EXPECT_EQ(text("Label86"), "2");
    EXPECT_EQ(text("RollsLeft") + text("Zvanje"), "1CALL");
    dice.push({2, 3, 3, 3});
    keyUp(Qt::Key_Space);  // the second roll of the turn, die 1 still held
    EXPECT_EQ(form->engine().RollCount(), 2);
    EXPECT_EQ(dieWidth(1), pictureWidth("d2s.jpg"));

    // Dropped by a new game: the NEW hot spot asks even at the start, then plays afresh.
    restart();
    dialogs.answer = false;
    click("G2");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(form->engine().keptGameWaiting());
    dialogs.answer = true;
    keyUp(Qt::Key_F2);
    restart();  // nothing played since: nothing kept
    EXPECT_FALSE(QFile::exists(keptFile()));
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellowCount(), 30);
}

// The score of a finished game is dealt with once: the game is not kept, and
// the file it was kept in before does not bring it back.
TEST_F(UndoAndKeepTest, AGameWhoseScoreWasDealtWithIsNotKept)
{
    Engine& engine = form->engine();
    engine.Roll_Click();
    engine.Cell_Click(Column::Down, 1);
    restart();
    ASSERT_TRUE(QFile::exists(keptFile()));

    for (const auto& [column, first, step] : {std::tuple{Column::Down, 1, 1}, std::tuple{Column::DownUp, 1, 1},
                                              std::tuple{Column::Up, kRowCount, -1}, std::tuple{Column::Call, 1, 1}}) {
        for (int i = 0, row = first; i < kRowCount; ++i, row += step) {
            if (column == Column::Down && row == 1)
                continue;  // kept from before
            form->engine().Roll_Click();
            if (column == Column::Call)
                form->engine().Cell_Click(column, row);
            form->engine().Cell_Click(column, row);
        }
    }
    // NEW on the full sheet hands the score over before anything else.
    keyUp(Qt::Key_F2);
    ASSERT_NE(form->highScoreWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
    EXPECT_EQ(scoreDialogs.prompts.size(), 1);
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(form->engine().rollVisible());
    EXPECT_FALSE(QFile::exists(keptFile()));
    keyUp(Qt::Key_F2);
    EXPECT_EQ(dialogs.questions.size(), 1);

    restart();
    roll({1, 2, 3, 4, 5});
    EXPECT_EQ(yellowCount(), 30);
}

TEST_F(UndoAndKeepTest, ABadKeptFileIsIgnoredWithOneLineAndLeftAlone)
{
    QByteArray good;
    {
        Harness other;
        other.roll({1, 2, 3, 4, 5});
        other.click("Label7");
        other.form->close();
        QFile file(QString::fromStdU16String((other.playerDir / "kept-game.txt").u16string()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        good = file.readAll();
    }
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty", ""},
        {"truncated", good.left(good.size() / 2)},
        {"garbage", QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)},
        {"out of play", QByteArray(good).replace("Down 1 ", "Down 6 ")},
        {"too large", good + QByteArray(70000, ' ')},
    };
    for (const auto& [what, contents] : cases) {
        SCOPED_TRACE(what);
        ::testing::internal::CaptureStderr();
        restart([&] { writeKeptFile(contents); });
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_TRUE(said.starts_with("dakru: ignoring the kept game in ")) << said;
        ::testing::internal::CaptureStderr();
        restart();  // closed with nothing played: the file stays for whoever can read it
        ::testing::internal::GetCapturedStderr();
        QFile file(keptFile());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), contents);
        roll({1, 2, 3, 4, 5});
        EXPECT_EQ(yellowCount(), 30);  // a fresh sheet, not a part of the kept one
        EXPECT_EQ(text("Label7"), "");
        form->engine().Cell_Click(Column::DownUp, 1);
        restart();  // kept over the bad file
        ASSERT_TRUE(form->engine().keptGameWaiting());
        keyUp(Qt::Key_F2);
        restart();
    }
}

TEST_F(UndoAndKeepTest, TheSoundSwitchIsRemembered)
{
    keyUp(Qt::Key_S);
    restart();
    EXPECT_TRUE(form->engine().soundOff());
    roll({1, 2, 3, 4, 5});
    EXPECT_TRUE(cues.played.empty());
    keyUp(Qt::Key_S);
    restart();
    EXPECT_FALSE(form->engine().soundOff());
}

}  // namespace
}  // namespace dakru::ui::testing
