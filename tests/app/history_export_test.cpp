// dakru --export-history FILE: read from the command line, and the CSV it
// writes: never over the history, to standard output for "-", from a history
// it only reads, through the storage seam.
#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "command_line.h"
#include "csv_export.h"
#include "failing_disk.h"
#include "history_database.h"
#include "history_export.h"
#include "plain_user.h"

namespace dakru::app {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class HistoryExportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        games[0].endedAt = "2026-12-01T20:00:00Z";
        games[0].finalScore = 640;
        games[1].endedAt = "2026-12-02T21:00:00Z";
        games[1].finalScore = 702;
        games[1].cells[55] = 80;
        auto database = history::HistoryDatabase::open(historyFile);
        ASSERT_TRUE(database);
        for (const auto& game : games) {
            ASSERT_TRUE(database->record(game));
        }
    }
    // The export's exit status, with what it said on each stream.
    int run(const fs::path& csv, std::string& out, std::string& err, std::chrono::milliseconds wait = {})
    {
        ::testing::internal::CaptureStdout();
        ::testing::internal::CaptureStderr();
        const int status = wait.count() > 0 ? exportHistory(player, csv, wait) : exportHistory(player, csv);
        err = ::testing::internal::GetCapturedStderr();
        out = ::testing::internal::GetCapturedStdout();
        return status;
    }

    QTemporaryDir folder;
    fs::path player = fs::path(folder.path().toStdString()) / "player";
    fs::path historyFile = player / history::HistoryDatabase::kFileName;
    std::vector<history::FinishedGame> games = std::vector<history::FinishedGame>(2);
};

TEST(HistoryExport, CommandLineAsksForTheExportWithItsFile)
{
    const CommandLine line =
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history"), QStringLiteral("games.csv")});
    EXPECT_EQ(line.request, CommandLine::Request::ExportHistory);
    EXPECT_EQ(line.exportFile, "games.csv");
    EXPECT_EQ(
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history"), QStringLiteral("-")}).exportFile,
        "-");

    EXPECT_EQ(readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history")}).request,
              CommandLine::Request::Refuse);
    EXPECT_EQ(
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history=a.csv"), QStringLiteral("extra")})
            .request,
        CommandLine::Request::Refuse);
}

TEST_F(HistoryExportTest, WritesEveryGameOrSaysWhyNot)
{
    const fs::path csv = player / "games.csv";
    std::string out;
    std::string err;
    EXPECT_EQ(run(csv, out, err), 0);
    EXPECT_EQ(out, "2 games written to " + csv.string() + " (2 damaged, marked in the last column)\n");
    EXPECT_EQ(contents(csv), history::toCsv(games));

    EXPECT_EQ(run(player / "no such folder" / "games.csv", out, err), 1);
    EXPECT_EQ(err, "dakru: cannot write " + (player / "no such folder" / "games.csv").string()
                       + ": No such file or directory, at the write\n");

    // A full disk at any step: the last export stays whole.
    for (int step = 1; step <= 3; ++step) {
        const storage::testing::FailingDisk full(step);
        EXPECT_EQ(run(csv, out, err), 1);
        EXPECT_NE(err.find("no space left on the disk"), std::string::npos) << err;
        EXPECT_EQ(contents(csv), history::toCsv(games));
    }
}

TEST_F(HistoryExportTest, MinusWritesTheCsvToStandardOutputAlone)
{
    std::string out;
    std::string err;
    EXPECT_EQ(run("-", out, err), 0);
    EXPECT_EQ(out, history::toCsv(games));
    EXPECT_EQ(err, "");
}

// The history itself, by its name, through a link, under another name, and
// its log and index: refused with one line, and the history stays as it was.
TEST_F(HistoryExportTest, NeverWritesOverTheHistory)
{
    fs::create_symlink(historyFile, player / "link.csv");
    fs::create_hard_link(historyFile, player / "hard.csv");
    fs::path wal = historyFile;
    wal += "-wal";
    fs::path shm = historyFile;
    shm += "-shm";
    ASSERT_TRUE(fs::exists(wal) && fs::exists(shm));
    const std::string before = contents(historyFile);
    for (const fs::path& target : {historyFile, player / ".." / "player" / "history.sqlite", player / "link.csv",
                                   player / "hard.csv", wal, shm}) {
        SCOPED_TRACE(target.string());
        std::string out;
        std::string err;
        EXPECT_EQ(run(target, out, err), 2);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("is the game history itself"), std::string::npos) << err;
        EXPECT_EQ(out, "");
    }
    EXPECT_TRUE(contents(historyFile) == before);
    EXPECT_EQ(history::HistoryDatabase::open(historyFile)->games().size(), 2U);
}

TEST_F(HistoryExportTest, NoHistoryIsTheHeaderAloneAndCreatesNone)
{
    fs::remove_all(player);
    fs::create_directories(player);
    const fs::path csv = player / "games.csv";
    std::string out;
    std::string err;
    EXPECT_EQ(run(csv, out, err), 0);
    EXPECT_EQ(contents(csv), history::toCsv({}));
    EXPECT_FALSE(fs::exists(historyFile));
}

// A history busy in another copy (in the older rollback mode, where it keeps
// readers out) is waited for as long as asked, then refused in one line; a
// read-only history is exported all the same.
TEST_F(HistoryExportTest, BusyOrReadOnlyHistories)
{
    sqlite3* other = nullptr;
    sqlite3_open(historyFile.c_str(), &other);
    sqlite3_exec(other, "PRAGMA journal_mode = DELETE; BEGIN EXCLUSIVE", nullptr, nullptr, nullptr);
    std::string out;
    std::string err;
    EXPECT_EQ(run(player / "games.csv", out, err, std::chrono::milliseconds(100)), 1);
    EXPECT_EQ(err, "dakru: the game history " + historyFile.string()
                       + " is busy: another copy of Dakru is writing it; try again once it has finished\n");
    sqlite3_close(other);

    const fs::path csv = fs::path(folder.path().toStdString()) / "games.csv";
    const std::string said = history::test::asPlainUser(fs::path(folder.path().toStdString()), [&] {
        chmod(historyFile.c_str(), 0444);
        chmod(player.c_str(), 0555);
        const int exit = exportHistory(player, csv);
        chmod(player.c_str(), 0755);
        return exit == 0 && contents(csv) == history::toCsv(games) ? std::string() : "not exported";
    });
    EXPECT_EQ(said, "");
}

}  // namespace
}  // namespace dakru::app
