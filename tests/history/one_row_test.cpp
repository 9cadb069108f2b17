// One row per game: a game offered again (after a kill and a restart, a second
// hand-over) is not recorded again; games from before identities stay, and
// reading any schema writes nothing.
#include <gtest/gtest.h>

#include "field_names.h"
#include "history_database.h"
#include "history_reading.h"
#include "history_support.h"
#include "sql_support.h"

namespace dakru::history::test {
namespace {

using OneRow = HistoryFolder;

std::vector<std::string> idsOf(const std::vector<FinishedGame>& games)
{
    std::vector<std::string> ids;
    for (const FinishedGame& game : games) {
        ids.push_back(game.gameId);
    }
    return ids;
}

TEST_F(OneRow, AGameIsRecordedOnceByItsIdentity)
{
    const FinishedGame first = intactGame(1);
    FinishedGame again = first;
    again.endedAt = "2026-12-31T23:59:59Z";  // handed over again later, in another run
    again.secondsPlayed = 3;
    FinishedGame noIdentity = intactGame(2);
    noIdentity.gameId.clear();
    const struct {
        const char* what;
        std::vector<FinishedGame> offered;
        std::vector<std::string> expected;
    } cases[] = {
        {"the same game twice", {first, first}, {first.gameId}},
        {"the same game again later", {first, again}, {first.gameId}},
        {"two games", {first, intactGame(3)}, {first.gameId, intactGame(3).gameId}},
        {"games from before identities are all kept", {noIdentity, noIdentity}, {"", ""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(file());
        for (const FinishedGame& game : c.offered) {
            // A history opened anew each time, as after a restart.
            auto history = HistoryDatabase::open(file());
            ASSERT_TRUE(history);
            EXPECT_EQ(history->add(game), std::nullopt) << "in the history now";
        }
        const HistoryContents read = readHistory(file());
        EXPECT_EQ(idsOf(read.games), c.expected);
        ASSERT_FALSE(read.games.empty());
        EXPECT_EQ(read.games[0], c.offered[0]) << "the first recording stays";
    }
}

// A history of the second schema: read as it is without a write, then brought
// up to the third when a game is recorded, its games kept without identities.
TEST_F(OneRow, TheSecondSchemaIsReadAsItIsAndUpgradedToRecord)
{
    std::string columns;
    std::string values;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            columns += ", " + cellName(row, column) + " INTEGER NOT NULL";
            values += ", 0";
        }
    }
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            columns += ", " + sumName(section, column) + " INTEGER NOT NULL";
            values += ", 0";
        }
    }
    sqlExec(file(), "CREATE TABLE games(id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, seconds_played INTEGER NOT "
                    "NULL, final_score INTEGER NOT NULL, version TEXT NOT NULL"
                        + columns
                        + ", assisted INTEGER NOT NULL DEFAULT 0);"
                          "INSERT INTO games VALUES(1, '2026-01-02T03:04:05Z', 900, 0, '1.6.5'"
                        + values + ", 1); PRAGMA user_version = 2;");
    const auto modified = std::filesystem::last_write_time(file());

    const HistoryContents read = readHistory(file());
    ASSERT_FALSE(read.error) << read.error->reason;
    ASSERT_EQ(read.games.size(), 1U);
    EXPECT_TRUE(read.games[0].assisted);
    EXPECT_EQ(read.games[0].gameId, "");
    EXPECT_EQ(sqlText(file(), "PRAGMA user_version"), "2");
    EXPECT_EQ(std::filesystem::last_write_time(file()), modified);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "history.sqlite-wal")) << "reading switched nothing to WAL";

    auto history = HistoryDatabase::open(file());
    ASSERT_TRUE(history);
    EXPECT_TRUE(history->record(intactGame(5)));
    EXPECT_TRUE(history->record(intactGame(5)));
    EXPECT_EQ(sqlText(file(), "PRAGMA user_version"), "4");
    EXPECT_EQ(idsOf(history->games()), (std::vector<std::string>{"", intactGame(5).gameId}));
}

TEST_F(OneRow, NoHistoryIsReadAsNoneAndNothingIsCreated)
{
    const HistoryContents read = readHistory(folder_ / "not yet" / "history.sqlite");
    EXPECT_TRUE(read.missing);
    EXPECT_FALSE(read.error);
    EXPECT_TRUE(read.games.empty());
    EXPECT_FALSE(std::filesystem::exists(folder_ / "not yet"));
}

}  // namespace
}  // namespace dakru::history::test
