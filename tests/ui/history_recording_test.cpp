// A game played to the end in the main window goes into the history once, and
// F4 shows it in the statistics window.
#include <QLabel>

#include <sqlite3.h>

#include "failing_disk.h"
#include "harness.h"
#include "high_score_window.h"
#include "history_database.h"
#include "kept_aside.h"
#include "near_end.h"
#include "sheet_names.h"
#include "statistics_window.h"
#include "write_trouble.h"

namespace dakru::ui::testing {
namespace {

class HistoryRecordingTest : public Form1Test {
protected:
    // A whole game of sixes, every cell written by clicks; the game-end watch
    // then hands the score over.
    void playToTheEnd()
    {
        const auto turn = [this](Column column, int row) {
            click("G1");
            if (column == Column::Call) {
                click(cellName(column, row));
            }
            click(cellName(column, row));
        };
        for (const Column column : kColumns) {
            for (int row = 1; row <= kRowCount; ++row) {
                turn(column, column == Column::Up ? kRowCount + 1 - row : row);
            }
        }
        form->Timer1_Timer();
        form->Timer2_Timer();
        // The high-score window deals with the score once it is active.
        ASSERT_NE(form->highScoreWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
        ASSERT_FALSE(form->engine().rollVisible());
    }

    std::vector<history::FinishedGame> recorded() const
    {
        EXPECT_TRUE(historySettles(*this));
        return historyGames(*this);
    }
};

TEST_F(HistoryRecordingTest, FinishedGameIsRecordedOnceAndShownByF4)
{
    EXPECT_FALSE(std::filesystem::exists(playerDir / history::HistoryDatabase::kFileName))
        << "the history is not opened before a game ends";
    // The watch ticks again while the name is asked, and after the score is dealt with.
    scoreDialogs.whileOpen = [this] { form->Timer2_Timer(); };
    playToTheEnd();
    form->Timer2_Timer();

    const std::vector<history::FinishedGame> games = recorded();
    ASSERT_EQ(games.size(), 1U);
    const history::FinishedGame& game = games[0];
    EXPECT_EQ(game.finalScore, 808);
    EXPECT_EQ(game.cell(1, 0), 0);  // sixes throughout: nothing for the ones
    EXPECT_EQ(game.cell(6, 3), 30);
    EXPECT_EQ(game.cell(14, 2), 80);  // Dakru, Up
    EXPECT_EQ(game.sectionSums[1][0], 0);
    EXPECT_FALSE(game.assisted);
    EXPECT_EQ(game.endedAt.size(), std::string("2026-12-07T01:30:00Z").size());
    EXPECT_GE(game.secondsPlayed, 0);

    keyUp(Qt::Key_F4);
    statistics::StatisticsWindow* window = form->statisticsWindow();
    ASSERT_NE(window, nullptr);
    QTRY_VERIFY(!window->waiting());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("GamesPlayed"))->text(), "1");
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("BestScore"))->text().startsWith(QLatin1String("808 on ")));

    // A new game and a second finish make a second game, not a repeat of the
    // first; the windows of the first are closed, so that the table comes forward.
    window->close();
    form->highScoreWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("G1");  // ROLL after a finished game asks for a new one
    ASSERT_FALSE(form->engine().cell(Column::Down, 1).value);
    playToTheEnd();
    EXPECT_EQ(recorded().size(), 2U);
}

// The ways a finished game could be handed over twice: a kill while the name
// is asked (the history has the game by then), then F2, NEW, ROLL or F3 at
// the next start; and a score left waiting in the table window behind, Esc,
// and NEW at the next start. One history row each time, one table entry at most.
TEST_F(HistoryRecordingTest, AGameHandedOverAgainIsRecordedOnce)
{
    const struct {
        const char* way;
        std::function<void(Harness&)> act;
    } afterAKill[] = {
        {"F2", [](Harness& h) { h.keyUp(Qt::Key_F2); }},
        {"NEW", [](Harness& h) { h.click("G2"); }},
        {"ROLL", [](Harness& h) { h.click("G1"); }},
        {"F3", [](Harness& h) { h.keyUp(Qt::Key_F3); }},
    };
    const std::string freshTable = fileText(tableFile);
    const auto startAfresh = [&](const GameState& game) {
        restart([&] {
            std::filesystem::remove_all(playerDir);
            writeText(tableFile, freshTable);
            writeText(keptFile(*this), encodeGameState(game));
        });
    };
    for (const auto& c : afterAKill) {
        SCOPED_TRACE(c.way);
        const GameState game = oneCellFromTheEnd();
        startAfresh(game);
        std::string keptAtTheKill;
        std::string tableAtTheKill;
        scoreDialogs.whileOpen = [&] {
            historySettles(*this);
            keptAtTheKill = fileText(keptFile(*this));
            tableAtTheKill = fileText(tableFile);
        };
        writeTheLastCell(*this);
        form->Timer2_Timer();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
        ASSERT_FALSE(keptAtTheKill.empty());

        restart([&] {
            writeText(keptFile(*this), keptAtTheKill);
            writeText(tableFile, tableAtTheKill);
        });
        c.act(*this);
        form->Timer1_Timer();
        form->Timer2_Timer();
        if (form->highScoreWindow() != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
        }
        const std::vector<history::FinishedGame> games = recorded();
        EXPECT_EQ(games.size(), 1U);
        EXPECT_EQ(rowsOf(games, *game.id), 1);
        const scores::HighScoreTable table = scores::readTable(tableFile);
        EXPECT_LE(std::count(table.begin(), table.end(), "0808 - Tester"), 1);
    }

    const GameState waiting = oneCellFromTheEnd();
    startAfresh(waiting);
    keyUp(Qt::Key_F3);
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    writeTheLastCell(*this);
    form->Timer2_Timer();
    ASSERT_TRUE(form->highScoreWindow()->scorePending());
    keyUp(Qt::Key_Escape);
    restart();
    click("G2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->highScoreWindow()));
    EXPECT_EQ(rowsOf(recorded(), *waiting.id), 1);
    EXPECT_EQ(scores::readTable(tableFile)[0], "0808 - Tester");
    EXPECT_NE(scores::readTable(tableFile)[1], "0808 - Tester");
}

// A game the history cannot take on a full disk is kept aside, the player is
// told, and it is recorded at the next start, once.
TEST_F(HistoryRecordingTest, AGameThatCannotBeRecordedNowIsKeptAsideAndRecordedAtTheNextStart)
{
    const std::filesystem::path aside = playerDir / history::KeptAside::kFileName;
    const GameState game = oneCellFromTheEnd();
    restartKeeping(*this, game);
    {
        // Every write of the history's own fails; the kept-aside file is written.
        struct HistoryFull final : storage::WriteFaults {
            std::error_code at(storage::Step, const std::filesystem::path& file) override
            {
                return file.filename().string().starts_with("history.sqlite") ? storage::testing::kNoSpace
                                                                              : std::error_code();
            }
        } full;
        const storage::FaultScope scope(full);
        writeTheLastCell(*this);
        form->Timer2_Timer();
        ASSERT_TRUE(historySettles(*this));
        EXPECT_EQ(rowsOf(historyGames(*this), *game.id), 0);
        EXPECT_EQ(history::KeptAside(aside).games().size(), 1U);
        QCoreApplication::processEvents();
        ASSERT_FALSE(dialogs.messages.empty());
        EXPECT_TRUE(dialogs.messages.back().contains(QLatin1String("it is full")))
            << dialogs.messages.back().toStdString();
    }
    restart();
    EXPECT_EQ(recorded().size(), 1U);
    EXPECT_EQ(rowsOf(historyGames(*this), *game.id), 1);
    EXPECT_FALSE(std::filesystem::exists(aside));
}

// Another copy holds the history: the hand-over returns at once with the game
// kept aside, the recording waits off the window's thread and gives up after
// the wait, nothing is reported as a failed write, and the next chance records it.
TEST(GameHistory, ABusyHistoryKeepsTheGameAsideUntilTheNextChance)
{
    QTemporaryDir folder;
    const std::filesystem::path file = std::filesystem::path(folder.path().toStdString()) / "history.sqlite";
    ASSERT_TRUE(history::HistoryDatabase::open(file));
    sqlite3* other = nullptr;
    sqlite3_open(file.c_str(), &other);
    sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);

    int reported = 0;
    statistics::GameHistory gameHistory(file, [&](const storage::WriteError&) { ++reported; },
                                        {std::chrono::milliseconds(200)});
    GameState game = oneCellFromTheEnd();
    game.cells[index(Column::Down)][row::Dakru - 1].value = 80;
    ::testing::internal::CaptureStderr();
    gameHistory.handedOver(game, GameRecord{});
    EXPECT_FALSE(gameHistory.idle()) << "the window did not wait for the recording";
    const history::KeptAside aside(file.parent_path() / history::KeptAside::kFileName);
    EXPECT_EQ(history::KeptAside(aside.file()).games().size(), 1U) << "kept aside before the recording";
    EXPECT_TRUE(QTest::qWaitFor([&] { return gameHistory.idle(); }, 10000));
    ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(history::readHistory(file).games.empty());
    EXPECT_EQ(reported, 0);

    sqlite3_close(other);
    gameHistory.recordKeptAside();
    EXPECT_TRUE(QTest::qWaitFor([&] { return gameHistory.idle(); }, 10000));
    const std::vector<history::FinishedGame> games = history::readHistory(file).games;
    ASSERT_EQ(games.size(), 1U);
    EXPECT_EQ(games[0].gameId, game.id->text());
    EXPECT_FALSE(std::filesystem::exists(aside.file()));
}

// A read-only history is told as such, not as a full disk.
TEST(WriteTrouble, SaysWhatMendsIt)
{
    const struct {
        std::errc error;
        const char* remedy;
    } cases[] = {
        {std::errc::no_space_on_device, "free some space on it."},
        {std::errc::read_only_file_system, "make Dakru's files and their folder writable again."},
        {std::errc::permission_denied, "make Dakru's files and their folder writable again."},
        {std::errc::io_error, "check the disk."},
    };
    for (const auto& c : cases) {
        const QString text = WriteTrouble::message({storage::Step::Write, std::make_error_code(c.error)});
        EXPECT_TRUE(text.endsWith(QLatin1String(c.remedy))) << text.toStdString();
    }
}

}  // namespace
}  // namespace dakru::ui::testing
