// The fault-injection run: a whole game's ending (the last write, the
// hand-over, the name prompt, the table entry), the start of the next game and
// a restart, with the 1st, then the 2nd, ... then the n-th write, flush or
// rename of any file failing, on a full disk and on a failing one, once or
// until the restart. After each: the kept game is one the game passed
// through, the history holds the finished game exactly once, the table at
// most once, and nothing crashed.
#include <QTemporaryDir>
#include <set>

#include "failing_disk.h"
#include "game_state_codec.h"
#include "high_score_window.h"
#include "kept_game_codec.h"
#include "near_end.h"

namespace dakru::ui::testing {
namespace {

using storage::testing::FailingDisk;

class FaultInjectionTest : public Form1Test {
protected:
    // The player's files and the table in memory where the system has such a
    // folder: the run flushes files to the disk hundreds of times.
    void SetUp() override
    {
        freshTable = fileText(tableFile);
        if (std::filesystem::is_directory("/dev/shm") && inMemory.isValid()) {
            const std::filesystem::path folder(inMemory.path().toStdString());
            playerDir = folder / "player";
            tableFile = folder / "dakru.dhs";
        }
    }

    // What the kept game may hold: the states the game passed through.
    void note() { passedThrough.insert(encodeGameState(form->engine().gameToKeep().value_or(GameState{}))); }

    // The kept game on the disk, if any, is one of them, whole.
    void expectKeptGameWhole(const char* when)
    {
        SCOPED_TRACE(when);
        if (!std::filesystem::exists(keptFile(*this))) {
            return;
        }
        const DecodedKeptGame kept = decodeKeptGame(fileText(keptFile(*this)));
        ASSERT_TRUE(kept.state) << kept.error;
        EXPECT_TRUE(passedThrough.contains(encodeGameState(*kept.state))) << "a state the game never passed through";
    }

    // The table takes the score once it is active; the name is asked after the
    // history has had its chance, so that the steps come in one order.
    void takeTheScore()
    {
        form->Timer2_Timer();
        note();
        if (form->highScoreWindow() != nullptr && form->highScoreWindow()->scorePending()) {
            ASSERT_TRUE(waitUntil([this] { return form->highScoreWindow()->isActiveWindow(); }));
        }
        ASSERT_TRUE(historySettles(*this));
        note();
    }

    // Ends a game one cell from its end, starts the next, restarts, and plays
    // on with whatever was kept; `fault` is made once the game is in place and
    // `restarting` runs while the program is closed.
    void runScript(const std::function<void()>& fault, const std::function<void()>& restarting)
    {
        const GameState game = oneCellFromTheEnd();
        finished = *game.id;
        passedThrough.clear();
        restart([&] {
            std::filesystem::remove_all(playerDir);
            writeText(tableFile, freshTable);
            writeText(keptFile(*this), encodeGameState(game));
        });
        ASSERT_TRUE(historySettles(*this));
        note();
        passedThrough.insert(encodeGameState(game));
        fault();

        scoreDialogs.whileOpen = [this] { historySettles(*this); };
        click("G1");
        note();
        click(cellName(Column::Down, row::Dakru));
        note();
        form->Timer1_Timer();
        takeTheScore();
        keyUp(Qt::Key_F2);  // the next game
        note();
        roll({1, 1, 1, 2, 3});
        note();
        click(cellName(Column::Down, 1));
        note();

        restart([&] {
            expectKeptGameWhole("as the first run left it");
            restarting();
        });
        ASSERT_TRUE(historySettles(*this));
        expectKeptGameWhole("at the next start");
        click("G1");  // brings back what was kept
        note();
        if (form->engine().gameState().id == finished) {
            if (!form->engine().cell(Column::Down, row::Dakru).value) {
                click(cellName(Column::Down, row::Dakru));
                note();
            }
            form->Timer1_Timer();
            takeTheScore();
        }
        ASSERT_TRUE(historySettles(*this));
    }

    QTemporaryDir inMemory{QStringLiteral("/dev/shm/dakru-faults-XXXXXX")};
    std::string freshTable;
    GameId finished;
    std::set<std::string> passedThrough;
};

TEST_F(FaultInjectionTest, NoFailedWriteLosesOrDoublesAGame)
{
    std::optional<FailingDisk> disk;
    runScript([&] { disk.emplace(); }, [] {});
    const int steps = disk->steps;
    disk.reset();
    ASSERT_EQ(rowsOf(historyGames(*this), finished), 1);
    ASSERT_GT(steps, 10);

    int failurePoints = 0;
    for (const std::error_code error : {storage::testing::kNoSpace, storage::testing::kIoError}) {
        for (const bool lasting : {false, true}) {
            for (int step = 1; step <= steps; ++step) {
                SCOPED_TRACE(error.message() + (lasting ? " until the restart" : " once") + ", at step "
                             + std::to_string(step));
                int failed = 0;
                ::testing::internal::CaptureStderr();
                runScript([&] { disk.emplace(step, error, lasting); },
                          [&] {
                              if (lasting) {
                                  failed = disk->failed;
                                  disk.reset();
                              }
                          });
                ::testing::internal::GetCapturedStderr();
                failed += disk ? disk->failed : 0;
                failurePoints += failed > 0 ? 1 : 0;
                disk.reset();

                const std::vector<history::FinishedGame> games = historyGames(*this);
                EXPECT_EQ(rowsOf(games, finished), 1) << "the finished game lost or doubled";
                EXPECT_EQ(games.size(), 1U);
                const scores::HighScoreTable table = scores::readTable(tableFile);
                EXPECT_LE(std::count(table.begin(), table.end(), "0808 - Tester"), 1) << "the entry doubled";
            }
        }
    }
    std::printf(
        "[ fault injection ] %d steps of writing in the run; %d runs with a failure (full disk and I/O "
        "error, once and until the restart), none lost or doubled\n",
        steps, failurePoints);
}

}  // namespace
}  // namespace dakru::ui::testing
