// A game at a table on the main window: set up by F6 (or NEW with Shift),
// two persons and two computers playing to the end by keys alone and by the
// mouse alone, the computer's turns hurried by the roll key or ROLL, the ranking and every person's
// score entered best first; and the whole table kept over a restart in the
// middle of a computer's turn.
#include <functional>

#include "harness.h"
#include "kept_game_codec.h"
#include "near_end.h"
#include "reachable.h"
#include "sheet_names.h"
#include "standings_window.h"

namespace dakru::ui::testing {
namespace {

const std::vector<Seat> kFour{{"Ann", std::nullopt}, {"Easy", "easy"}, {"Bob", std::nullopt}, {"Strong", "strong"}};

class TablePlayTest : public Form1Test {
protected:
    void setUpFour()
    {
        tableDialogs.answer = kFour;
        keyUp(Qt::Key_F6);
    }
    // A person's turn by keys: a roll, then Enter on the first cell the
    // cursor offers (twice on a Call cell: the call, then the write).
    void personTurnByKeys()
    {
        const int seat = form->engine().seatToPlay();
        const int written = writtenCells(form->engine().gameState().cells);
        keyUp(Qt::Key_Space);
        if (!dialogs.messages.isEmpty() && dialogs.messages.back() == "You must place a call first !") {
            dialogs.messages.removeLast();
        }
        keyUp(Qt::Key_Right);
        while (writtenCells(form->engine().gameOf(seat).cells) == written) {
            keyUp(Qt::Key_Return);
        }
    }
    // A person's turn by the mouse: ROLL, then a click on the first yellow
    // cell (twice on a Call cell: the call, then the write).
    void personTurnByClicks()
    {
        const int seat = form->engine().seatToPlay();
        const int written = writtenCells(form->engine().gameState().cells);
        click("G1");
        if (!dialogs.messages.isEmpty() && dialogs.messages.back() == "You must place a call first !") {
            dialogs.messages.removeLast();
        }
        QString cell;
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount && cell.isEmpty(); ++row) {
                if (yellow(cellName(column, row)))
                    cell = cellName(column, row);
            }
        }
        ASSERT_FALSE(cell.isEmpty()) << "a rolled person has a cell to write";
        for (int clicks = 0; clicks < 2 && writtenCells(form->engine().gameOf(seat).cells) == written; ++clicks) {
            click(cell);
        }
        EXPECT_EQ(writtenCells(form->engine().gameOf(seat).cells), written + 1) << qPrintable(cell);
    }
    // Every sheet full, the ranking shown, and the persons' scores offered to
    // the table best first.
    void expectTheEnd()
    {
        ASSERT_FALSE(form->engine().rollVisible()) << "the game did not end";
        for (int seat = 0; seat < 4; ++seat) {
            EXPECT_EQ(writtenCells(form->engine().gameOf(seat).cells), kCellCount);
        }
        const int ann = computeTotals(form->engine().gameOf(0).cells).grandTotal;
        const int bob = computeTotals(form->engine().gameOf(2).cells).grandTotal;
        EXPECT_EQ(scoreDialogs.offers, (bob > ann ? QStringList{"Bob", "Ann"} : QStringList{"Ann", "Bob"}));
    }
    // The game to its end: computers hurried by `hurry`, persons by `turn`.
    void playToTheEnd(const std::function<void()>& hurry, const std::function<void()>& turn)
    {
        for (int turns = 0; turns < 4 * kCellCount + 8 && form->engine().rollVisible(); ++turns) {
            if (writtenCells(form->engine().gameState().cells) == kCellCount) {
                form->Timer2_Timer();
                // The table's window takes the scores when it is activated.
                QTRY_VERIFY_WITH_TIMEOUT(!form->engine().rollVisible(), 10000);
            } else if (form->engine().computerToPlay()) {
                hurry();
            } else {
                turn();
            }
        }
    }
};

TEST_F(TablePlayTest, TwoPersonsAndTwoComputersPlayToTheEndByKeys)
{
    setUpFour();
    ASSERT_EQ(tableDialogs.offered.size(), 1U);
    EXPECT_TRUE(tableDialogs.offered[0].empty()) << "the first setup offers one player";
    EXPECT_EQ(dialogs.questions, QStringList{QStringLiteral("Are you sure you want to play a New Game?")});
    ASSERT_TRUE(form->engine().tableGame());
    ASSERT_NE(form->standingsWindow(), nullptr);
    EXPECT_TRUE(form->standingsWindow()->isVisible());
    EXPECT_EQ(text("PlayerName"), "Ann");

    playToTheEnd(
        [this] {
            const int seat = form->engine().seatToPlay();
            const bool last = writtenCells(form->engine().gameState().cells) == kCellCount - 1;
            keyUp(Qt::Key_H);
            EXPECT_EQ(widget("Hint")->accessibleName(), "No hint: the computer is playing its turn");
            keyUp(Qt::Key_Space);  // hurries the whole turn
            EXPECT_TRUE(last || form->engine().seatToPlay() != seat) << "the computer's turn ended";
        },
        [this] { personTurnByKeys(); });
    expectTheEnd();
    QWidget* ranking = QApplication::topLevelWidgets().isEmpty() ? nullptr : [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("Ranking"))
                return window;
        }
        return static_cast<QWidget*>(nullptr);
    }();
    ASSERT_NE(ranking, nullptr);
    EXPECT_TRUE(ranking->isVisible());
    const int ann = computeTotals(form->engine().gameOf(0).cells).grandTotal;
    // Every person's game is in the history once, with its record and the table it was played at.
    ASSERT_TRUE(historySettles(*this));
    const std::vector<history::FinishedGame> games = historyGames(*this);
    ASSERT_EQ(games.size(), 2U);
    EXPECT_EQ(games[0].table, "you,easy,person,strong");
    EXPECT_EQ(games[1].table, "person,easy,you,strong");
    EXPECT_EQ(games[0].finalScore, ann);
    EXPECT_FALSE(games[0].record.empty());
    EXPECT_FALSE(games[0].playedAlone());
    const scores::HighScoreTable table = scores::readTable(tableFile);
    EXPECT_EQ(std::ranges::count_if(table, [](const std::string& e) { return e.ends_with(" - Ann"); }), 1);
    EXPECT_EQ(std::ranges::count_if(table, [](const std::string& e) { return e.ends_with(" - Easy"); }), 0);
    ranking->close();

    // The next setup is offered as this one was.
    tableDialogs.answer.reset();
    keyUp(Qt::Key_F6);
    ASSERT_EQ(tableDialogs.offered.size(), 2U);
    EXPECT_EQ(tableDialogs.offered[1], kFour);
}

// The same table set up by NEW with Shift and played by clicks alone: ROLL
// rolls for a person and hurries a computer.
TEST_F(TablePlayTest, TwoPersonsAndTwoComputersPlayToTheEndByClicks)
{
    tableDialogs.answer = kFour;
    QTest::mouseClick(widget("G2"), Qt::LeftButton, Qt::ShiftModifier);
    ASSERT_EQ(tableDialogs.offered.size(), 1U) << "NEW with Shift sets up who plays";
    ASSERT_TRUE(form->engine().tableGame());
    playToTheEnd(
        [this] {
            const int seat = form->engine().seatToPlay();
            const bool last = writtenCells(form->engine().gameState().cells) == kCellCount - 1;
            click("G1");
            EXPECT_TRUE(last || form->engine().seatToPlay() != seat) << "ROLL hurried the computer's turn";
        },
        [this] { personTurnByClicks(); });
    expectTheEnd();
}

// The person's clicks wait while the computer plays; the computer plays on by
// itself at its pace; Ctrl+Z never takes back its moves.
TEST_F(TablePlayTest, TheComputerPlaysAtItsPaceAndThePersonWaits)
{
    tableDialogs.answer = std::vector<Seat>{{"Ann", std::nullopt}, {"Easy", "easy"}};
    keyUp(Qt::Key_F6);
    roll({1, 1, 2, 3, 4});
    click(cellName(Column::Down, 1));
    ASSERT_TRUE(form->engine().computerToPlay());
    keyUp(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(form->engine().computerToPlay()) << "Ann's write comes back before the computer rolls";
    click(cellName(Column::Down, 1));

    click(cellName(Column::DownUp, 1));
    click("Kocka1p");
    EXPECT_EQ(form->engine().RollCount().value_or(0), 0) << "the person's clicks wait";
    QTRY_VERIFY_WITH_TIMEOUT(!form->engine().computerToPlay(), 20000);
    EXPECT_EQ(writtenCells(form->engine().gameOf(1).cells), 1);
    keyUp(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(writtenCells(form->engine().gameOf(1).cells), 1) << "a computer's write is never taken back";
}

// Killed in the middle of a computer's turn (a close here: nothing is
// written at a close that was not written before), the table comes back
// whole at the next start, and the computer goes on from its dice.
TEST_F(TablePlayTest, TheTableIsKeptOverARestartInAComputersTurn)
{
    tableDialogs.answer = std::vector<Seat>{{"Ann", std::nullopt}, {"Strong", "strong"}};
    keyUp(Qt::Key_F6);
    roll({1, 1, 2, 3, 4});
    click(cellName(Column::Down, 1));
    form->engine().Roll_Click();  // the computer's first roll, as its pace would make it
    const std::optional<TableGames> before = form->engine().tableToKeep();
    ASSERT_TRUE(before);
    restart();
    EXPECT_TRUE(form->engine().keptGameWaiting());
    keyUp(Qt::Key_Space);
    EXPECT_EQ(form->engine().tableToKeep(), before);
    EXPECT_TRUE(form->engine().computerToPlay());
    keyUp(Qt::Key_Space);
    EXPECT_FALSE(form->engine().computerToPlay());
    EXPECT_EQ(writtenCells(form->engine().gameOf(1).cells), 1);
}

}  // namespace
}  // namespace dakru::ui::testing
