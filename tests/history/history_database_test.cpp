// The history file: its schema and upgrades, what goes in comes out, and what
// happens to a file that is not a history we can use.
#include "history_database.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "field_names.h"
#include "history_support.h"
#include "sql_support.h"

namespace dakru::history::test {
namespace {

using History = HistoryFolder;

std::vector<std::filesystem::path> movedAside(const std::filesystem::path& folder)
{
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with("history.sqlite.damaged-")) {
            found.push_back(entry.path());
        }
    }
    return found;
}

std::string contents(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The first schema, as a file written by it looks: no `assisted` column.
void writeFirstSchema(const std::filesystem::path& file)
{
    std::string columns;
    std::string values;
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            columns += ", " + cellName(row, column) + " INTEGER NOT NULL";
            values += ", " + std::to_string(row);
        }
    }
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            columns += ", " + sumName(section, column) + " INTEGER NOT NULL";
            values += ", " + std::to_string(100 * section + column);
        }
    }
    sqlExec(file,
            "CREATE TABLE games(id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL, seconds_played INTEGER NOT NULL,"
            " final_score INTEGER NOT NULL, version TEXT NOT NULL" +
                columns +
                ");"
                "INSERT INTO games VALUES(1, '2026-01-02T03:04:05Z', 900, 777, '1.6.5'" +
                values + ");PRAGMA user_version = 1;");
}

TEST_F(History, NewFileHasTheCurrentSchemaInWalModeAndNoGames)
{
    auto history = HistoryDatabase::open(file());
    ASSERT_TRUE(history);
    EXPECT_TRUE(history->games().empty());
    EXPECT_EQ(sqlText(file(), "PRAGMA user_version"), std::to_string(HistoryDatabase::kSchemaVersion));
    EXPECT_EQ(sqlText(file(), "PRAGMA journal_mode"), "wal");
}

TEST_F(History, OpeningCreatesTheMissingPlayerFolder)
{
    const auto nested = folder_ / "not" / "yet" / "history.sqlite";
    auto history = HistoryDatabase::open(nested);
    ASSERT_TRUE(history);
    EXPECT_TRUE(history->record(sampleGame(1)));
    EXPECT_TRUE(std::filesystem::exists(nested));
}

TEST_F(History, GamesReadBackWholeInTheOrderRecorded)
{
    {
        auto history = HistoryDatabase::open(file());
        ASSERT_TRUE(history);
        for (const int n : {5, 1, 3}) {
            EXPECT_TRUE(history->record(sampleGame(n)));
        }
    }
    auto reopened = HistoryDatabase::open(file());
    ASSERT_TRUE(reopened);
    EXPECT_EQ(reopened->games(), (std::vector{sampleGame(5), sampleGame(1), sampleGame(3)}));
}

TEST_F(History, FirstSchemaIsUpgradedKeepingItsGamesAsUnassisted)
{
    writeFirstSchema(file());
    auto history = HistoryDatabase::open(file());
    ASSERT_TRUE(history);
    EXPECT_EQ(sqlText(file(), "PRAGMA user_version"), std::to_string(HistoryDatabase::kSchemaVersion));

    const std::vector<FinishedGame> games = history->games();
    ASSERT_EQ(games.size(), 1U);
    EXPECT_EQ(games[0].endedAt, "2026-01-02T03:04:05Z");
    EXPECT_EQ(games[0].secondsPlayed, 900);
    EXPECT_EQ(games[0].finalScore, 777);
    EXPECT_EQ(games[0].version, "1.6.5");
    EXPECT_FALSE(games[0].assisted);
    EXPECT_EQ(games[0].cell(11, 2), 11);
    EXPECT_EQ(games[0].sectionSums[2][3], 203);

    FinishedGame assisted = sampleGame(3);
    ASSERT_TRUE(assisted.assisted);
    EXPECT_TRUE(history->record(assisted));
    EXPECT_EQ(history->games().back(), assisted);
    EXPECT_TRUE(movedAside(folder_).empty());
}

// Files that are no history we can use: moved aside whole, with one line on
// standard error, and a new history started in their place.
TEST_F(History, UnusableFileIsMovedAsideAndANewHistoryStarted)
{
    struct Case {
        const char* what;
        void (*make)(const std::filesystem::path&);
    };
    const Case cases[] = {
        {"not a database",
         [](const std::filesystem::path& file) { std::ofstream(file, std::ios::binary) << std::string(5000, 'x'); }},
        {"a database without our table",
         [](const std::filesystem::path& file) {
             sqlExec(file, "CREATE TABLE notes(text TEXT); PRAGMA user_version = 2;");
         }},
        {"another program's database",
         [](const std::filesystem::path& file) { sqlExec(file, "CREATE TABLE notes(text TEXT);"); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        c.make(file());
        const std::string before = contents(file());

        ::testing::internal::CaptureStderr();
        auto history = HistoryDatabase::open(file());
        const std::string said = ::testing::internal::GetCapturedStderr();

        ASSERT_TRUE(history);
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("damaged"), std::string::npos) << said;
        const auto aside = movedAside(folder_);
        ASSERT_EQ(aside.size(), 1U);
        EXPECT_NE(said.find(aside[0].string()), std::string::npos) << said;
        EXPECT_TRUE(contents(aside[0]) == before) << "the file moved aside has changed";
        EXPECT_TRUE(history->record(sampleGame(4)));
        EXPECT_EQ(history->games(), std::vector{sampleGame(4)});
    }
}

TEST_F(History, NoPlaceForAHistoryIsReportedNotThrown)
{
    std::ofstream(folder_ / "plain-file") << "in the way";
    ::testing::internal::CaptureStderr();
    const auto history = HistoryDatabase::open(folder_ / "plain-file" / "history.sqlite");
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(history);
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("cannot record the game in the history"), std::string::npos) << said;
}

}  // namespace
}  // namespace dakru::history::test
