// The history's figures for the benchmark table: recording a finished game as
// the game does it (kept aside, then added to the history on its worker) into
// a history of 10,000 games, and opening the statistics window over those games to its
// first frame (reading them included). Prints its rows of the table.
//   dakru_bench_history   (needs a display, like the other windows)
#include <sqlite3.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "first_frame.h"
#include "game_history.h"
#include "game_id.h"
#include "history_database.h"
#include "players.h"
#include "self_play.h"
#include "statistics_window.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kGames = 10000;
constexpr int kRecordings = 30;
constexpr int kWindowOpenings = 11;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A finished game as the greedy player plays it, with its record.
struct Finished {
    dakru::GameState state;
    dakru::GameRecord record;
};
Finished finishedGame(int seed)
{
    dakru::advisor::GreedyPlayer player;
    dakru::advisor::PlayedGame played = dakru::advisor::playGame(player, static_cast<std::uint64_t>(seed));
    Finished finished{{}, std::move(played.record)};
    finished.state.cells = played.sheet;
    finished.state.RollCount = 0;
    finished.state.id = dakru::GameId::make();
    return finished;
}

// Records a game as the game does it, and waits until it is in the history.
void record(const std::filesystem::path& file, int seed)
{
    const Finished game = finishedGame(seed);
    dakru::ui::statistics::GameHistory history(file);
    history.handedOver(game.state, game.record);
    while (!history.idle()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
}

// Fills the history up to kGames by copying the games it holds (as games
// without an identity, as older ones are); far quicker than a game at a time.
void fillHistory(const std::filesystem::path& file)
{
    for (int seed = 1; seed <= 20; ++seed) {
        record(file, seed);
    }
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db,
                 "BEGIN; CREATE TEMP TABLE copy AS SELECT * FROM games; UPDATE copy SET id = NULL, game_id = NULL;"
                 " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 500)"
                 " INSERT INTO games SELECT copy.* FROM copy, n;"
                 " DELETE FROM games WHERE id > 10000; COMMIT;",
                 nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

// A row of the benchmark's table; the target is "< N ms".
void row(const char* figure, double milliseconds, int targetMs)
{
    const std::string value = std::to_string(milliseconds).substr(0, std::to_string(milliseconds).find('.') + 2);
    const std::string target = "< " + std::to_string(targetMs) + " ms";
    std::printf("| %-28s | %-15s | %-15s | %-12s | %-14s | %-4s |\n", figure, (value + " ms").c_str(), "", "",
                target.c_str(), milliseconds < targetMs ? "yes" : "NO");
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("dakru-bench-history-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path file = folder / dakru::history::HistoryDatabase::kFileName;

    fillHistory(file);

    // From the hand-over to the game in the database: kept aside on the
    // window's thread, then recorded on the history's own.
    std::vector<double> recordings;
    for (int i = 1; i <= kRecordings; ++i) {
        const auto start = Clock::now();
        record(file, 100 + i);
        recordings.push_back(millisecondsSince(start));
    }

    std::vector<double> openings;
    for (int i = 0; i < kWindowOpenings; ++i) {
        const auto start = Clock::now();
        const auto games = dakru::ui::statistics::GameHistory(file).games();
        auto* window = new dakru::ui::statistics::StatisticsWindow(games);
        window->show();
        QEventLoop shown;
        dakru::ui::afterFirstFrame(*window, [&] {
            openings.push_back(millisecondsSince(start));
            shown.quit();
        });
        shown.exec();
        window->close();
        QCoreApplication::processEvents();
    }
    std::filesystem::remove_all(folder);

    row("record a finished game", median(recordings), 20);
    row("statistics, 10,000 games", median(openings), 150);
    return 0;
}
