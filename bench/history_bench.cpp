// The history's figures for the benchmark table: recording a finished game as
// the game does it (open the history, add the game, close it) into a history
// of 10,000 games, and opening the statistics window over those games to its
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
#include "history_database.h"
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

// A full sheet: every cell written, with values that vary from cell to cell.
dakru::GameState finishedSheet(int seed)
{
    dakru::GameState state;
    for (std::size_t column = 0; column < state.cells.size(); ++column) {
        for (std::size_t row = 0; row < state.cells[column].size(); ++row) {
            state.cells[column][row].value = static_cast<int>((seed + 7 * row + column) % 25);
        }
    }
    state.RollCount = 0;
    return state;
}

// Fills the history up to kGames by copying the games it holds, with scores
// spread the way a player's are; far quicker than a game at a time.
void fillHistory(const std::filesystem::path& file)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_exec(db,
                 "BEGIN; CREATE TEMP TABLE copy AS SELECT * FROM games; UPDATE copy SET id = NULL;"
                 " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10000)"
                 " INSERT INTO games SELECT copy.* FROM copy, n;"
                 " DELETE FROM games WHERE id > 10000;"
                 " UPDATE games SET final_score = 350 + abs(random()) % 250 + abs(random()) % 250; COMMIT;",
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

    dakru::ui::statistics::GameHistory(file).handedOver(finishedSheet(0));
    fillHistory(file);

    std::vector<double> recordings;
    for (int i = 1; i <= kRecordings; ++i) {
        dakru::ui::statistics::GameHistory history(file);
        const auto start = Clock::now();
        history.handedOver(finishedSheet(i));
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
