// dakru --export-history FILE: read from the command line, and the CSV it writes.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "command_line.h"
#include "csv_export.h"
#include "history_database.h"
#include "history_export.h"

namespace dakru::app {
namespace {

TEST(HistoryExport, CommandLineAsksForTheExportWithItsFile)
{
    const CommandLine line =
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history"), QStringLiteral("games.csv")});
    EXPECT_EQ(line.request, CommandLine::Request::ExportHistory);
    EXPECT_EQ(line.exportFile, "games.csv");

    EXPECT_EQ(readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history")}).request,
              CommandLine::Request::Refuse);
    EXPECT_EQ(
        readCommandLine({QStringLiteral("dakru"), QStringLiteral("--export-history=a.csv"), QStringLiteral("extra")})
            .request,
        CommandLine::Request::Refuse);
}

TEST(HistoryExport, WritesEveryGameOrSaysWhyNot)
{
    const QTemporaryDir folder;
    const std::filesystem::path player = std::filesystem::path(folder.path().toStdString()) / "player";
    std::vector<history::FinishedGame> games(2);
    games[0].endedAt = "2026-12-01T20:00:00Z";
    games[0].finalScore = 640;
    games[1].endedAt = "2026-12-02T21:00:00Z";
    games[1].finalScore = 702;
    games[1].cells[55] = 80;
    {
        auto database = history::HistoryDatabase::open(player / history::HistoryDatabase::kFileName);
        ASSERT_TRUE(database);
        for (const auto& game : games) {
            ASSERT_TRUE(database->record(game));
        }
    }

    const std::filesystem::path csv = player / "games.csv";
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(exportHistory(player, csv), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "2 games written to " + csv.string() + "\n");
    std::ifstream written(csv, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), history::toCsv(games));

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(exportHistory(player, player / "no such folder" / "games.csv"), 1);
    EXPECT_EQ(
        ::testing::internal::GetCapturedStderr(),
        "dakru: cannot write " + (player / "no such folder" / "games.csv").string() + ": No such file or directory\n");
}

}  // namespace
}  // namespace dakru::app
