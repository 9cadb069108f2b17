// Copies of the game sharing one history: two recording at once, and one
// killed while it records.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <set>

#include "history_database.h"
#include "history_support.h"
#include "sql_support.h"

namespace dakru::history::test {
namespace {

using SharedHistory = HistoryFolder;

// Runs body in a child process; the child's exit status is body's result.
template <typename Body>
pid_t spawn(Body body)
{
    const pid_t child = fork();
    if (child == 0) {
        _exit(body());
    }
    return child;
}

int exitStatus(pid_t child)
{
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SharedHistory, TwoCopiesRecordingAtOnceLoseNothing)
{
    constexpr int kEach = 60;
    const auto recorder = [this](int first) {
        return [this, first] {
            auto history = HistoryDatabase::open(file());
            if (!history) {
                return 1;
            }
            for (int n = first; n < first + kEach; ++n) {
                if (!history->record(sampleGame(n))) {
                    return 2;
                }
            }
            return 0;
        };
    };
    const pid_t one = spawn(recorder(0));
    const pid_t two = spawn(recorder(1000));
    EXPECT_EQ(exitStatus(one), 0);
    EXPECT_EQ(exitStatus(two), 0);

    auto history = HistoryDatabase::open(file());
    ASSERT_TRUE(history);
    const std::vector<FinishedGame> games = history->games();
    ASSERT_EQ(games.size(), 2U * kEach);
    std::set<int> scores;
    for (const FinishedGame& game : games) {
        scores.insert(game.finalScore);
        const int n = game.finalScore - 500;
        EXPECT_EQ(game, sampleGame(n));
    }
    EXPECT_EQ(scores.size(), 2U * kEach);
}

TEST_F(SharedHistory, CopyKilledInsideATransactionLeavesTheGamesBeforeIt)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = spawn([&] {
        auto history = HistoryDatabase::open(file());
        for (int n = 1; n <= 3; ++n) {
            history->record(sampleGame(n));
        }
        // A fourth game half written: inside its transaction when the kill comes.
        sqlite3* db = nullptr;
        sqlite3_open(file().c_str(), &db);
        sqlite3_exec(db,
                     "BEGIN IMMEDIATE; CREATE TEMP TABLE copy AS SELECT * FROM games LIMIT 1;"
                     " UPDATE copy SET id = NULL; INSERT INTO games SELECT * FROM copy;",
                     nullptr, nullptr, nullptr);
        const char byte = 'x';
        if (write(ready[1], &byte, 1) != 1) {
            return 1;
        }
        pause();
        return 0;
    });
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    kill(child, SIGKILL);
    exitStatus(child);
    close(ready[0]);
    close(ready[1]);

    ::testing::internal::CaptureStderr();
    auto history = HistoryDatabase::open(file());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(history);
    EXPECT_EQ(history->games(), (std::vector{sampleGame(1), sampleGame(2), sampleGame(3)}));
    EXPECT_TRUE(history->record(sampleGame(4)));
    EXPECT_EQ(history->games().size(), 4U);
}

TEST_F(SharedHistory, CopyKilledWhileRecordingLeavesEveryGameWhole)
{
    int progress[2];
    ASSERT_EQ(pipe(progress), 0);
    const pid_t child = spawn([&] {
        auto history = HistoryDatabase::open(file());
        for (int n = 0;; ++n) {
            history->record(sampleGame(n));
            const char byte = 'x';
            if (write(progress[1], &byte, 1) != 1) {
                return 1;
            }
        }
    });
    // The kill lands at some moment among the next recordings.
    constexpr int kSeen = 20;
    for (int seen = 0; seen < kSeen; ++seen) {
        char byte = 0;
        ASSERT_EQ(read(progress[0], &byte, 1), 1);
    }
    kill(child, SIGKILL);
    exitStatus(child);
    close(progress[0]);
    close(progress[1]);

    auto history = HistoryDatabase::open(file());
    ASSERT_TRUE(history);
    const std::vector<FinishedGame> games = history->games();
    ASSERT_GE(games.size(), static_cast<std::size_t>(kSeen));
    std::set<int> scores;
    for (const FinishedGame& game : games) {
        EXPECT_EQ(game, sampleGame(game.finalScore - 500));
        scores.insert(game.finalScore);
    }
    EXPECT_EQ(scores.size(), games.size());
}

}  // namespace
}  // namespace dakru::history::test
