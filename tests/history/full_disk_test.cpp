// SQLite's own writes pass the storage seam: a full or failing disk at any
// write, truncation or flush of the history leaves it whole, says which, and
// the game can be recorded once the disk takes writes again, once.
#include <gtest/gtest.h>

#include "failing_disk.h"
#include "history_database.h"
#include "history_reading.h"
#include "history_support.h"
#include "sql_support.h"

namespace dakru::history::test {
namespace {

using namespace storage::testing;
using FullDisk = HistoryFolder;

TEST_F(FullDisk, EveryFailedStepOfARecordingLeavesTheHistoryWhole)
{
    // How many steps recording a game into a fresh history takes.
    int steps = 0;
    {
        const FailingDisk counting;
        auto history = HistoryDatabase::open(file());
        ASSERT_TRUE(history);
        ASSERT_TRUE(history->record(intactGame(1)));
        steps = counting.steps;
    }
    ASSERT_GT(steps, 2) << "SQLite's writes do not pass the seam";

    // The history before each try: one game, copied afresh (quicker than made).
    const std::filesystem::path start = folder_ / "start";
    std::filesystem::create_directories(start);
    {
        auto history = HistoryDatabase::open(start / "history.sqlite");
        ASSERT_TRUE(history);
        ASSERT_TRUE(history->record(intactGame(0)));
    }
    const std::filesystem::path tries = folder_ / "try";
    const std::filesystem::path file = tries / "history.sqlite";

    int failures = 0;
    for (const std::error_code error : {kNoSpace, kIoError}) {
        for (const bool lasting : {false, true}) {
            for (int step = 1; step <= steps; ++step) {
                SCOPED_TRACE(error.message() + (lasting ? ", lasting" : ", once") + ", at step "
                             + std::to_string(step));
                std::filesystem::remove_all(tries);
                std::filesystem::copy(start, tries);
                std::optional<HistoryError> refused;
                {
                    const FailingDisk disk(step, error, lasting);
                    ::testing::internal::CaptureStderr();
                    HistoryError why;
                    auto history = HistoryDatabase::open(file, {}, &why);
                    refused = history ? history->add(intactGame(1)) : std::optional(why);
                    ::testing::internal::GetCapturedStderr();
                    if (disk.failed == 0) {
                        continue;  // this recording took fewer steps
                    }
                }
                ++failures;
                if (refused) {
                    EXPECT_EQ(refused->trouble, error == kNoSpace ? Trouble::NoSpace : Trouble::WriteFailed);
                }
                EXPECT_EQ(sqlText(file, "PRAGMA integrity_check"), "ok");
                const HistoryContents read = readHistory(file);
                ASSERT_FALSE(read.error);
                EXPECT_EQ(read.games.front(), intactGame(0));
                EXPECT_EQ(read.games.size(), refused ? 1U : 2U);

                auto history = HistoryDatabase::open(file);
                ASSERT_TRUE(history);
                EXPECT_TRUE(history->record(intactGame(1)));
                EXPECT_EQ(readHistory(file).games, (std::vector{intactGame(0), intactGame(1)}));
            }
        }
    }
    EXPECT_GT(failures, 0);
}

}  // namespace
}  // namespace dakru::history::test
