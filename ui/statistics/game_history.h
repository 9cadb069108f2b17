#pragma once

#include <QObject>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <vector>

#include "finished_game.h"
#include "game_record.h"
#include "game_state.h"
#include "history_error.h"
#include "history_reading.h"
#include "kept_aside.h"
#include "seat.h"
#include "write_error.h"

namespace dakru::ui::statistics {

class HistoryWorker;

// A finished game as the history keeps it: its identity, the cells in reading
// order, the section sums and the score as the totals make them, and this
// program's version.
history::FinishedGame finishedGame(const GameState& state, int secondsPlayed, std::string endedAt);

// The player's history as the main window uses it. Each finished game is
// recorded when its score is handed over: kept aside at once in a small file
// beside the history, then recorded by a worker thread, so that the window
// never waits for the database (another copy may hold it for seconds) and a
// game that cannot be recorded now is recorded at the next chance: the next
// game's end, or the next start. The database is opened only then and when
// the statistics window reads it, never before the first frame.
//
// The time played runs from the game's first roll in this run of the program
// to the hand-over; a game kept from an earlier run counts from its first
// roll in this one.
class GameHistory {
public:
    // Told, on the window's thread, of every write that fails: the games kept
    // aside, or the database on a full or failing disk.
    using WriteFailed = std::function<void(const storage::WriteError&)>;

    // An empty path keeps no history.
    explicit GameHistory(std::filesystem::path file, WriteFailed writeFailed = {}, history::Waiting waiting = {});
    // Finishes the recording under way, with the wait for a busy history cut
    // short: what is not recorded stays kept aside for the next start.
    ~GameHistory();
    GameHistory(const GameHistory&) = delete;
    GameHistory& operator=(const GameHistory&) = delete;

    // After every event: starts the clock at a game's first roll, and makes
    // ready for the next game once a new one has cleared the sheet.
    void follow(const GameState& state);

    // A finished game's score has been handed over: keeps the game aside and
    // has it recorded with the record of its decisions, once however often
    // the hand-over is repeated (and once in the history by its identity,
    // across runs too). At a table, `table` holds every player and `seat`
    // this game's; a game alone has none.
    void handedOver(const GameState& state, const GameRecord& record, const std::vector<Seat>& table = {},
                    int seat = 0);

    // Whether every finished game of this run is on the disk, kept aside or
    // recorded. Until it is, the kept game must not go: the next start hands
    // a finished game over again from it. Tries again first to keep aside
    // what the disk refused.
    bool finishedGamesOnDisk();

    // Has the games an earlier run kept aside recorded: at start, once the
    // first frame is on the screen.
    void recordKeptAside();

    // Reads the history off the window's thread; `done` gets it on the
    // window's thread, with the games kept aside but not yet recorded added.
    void read(std::function<void(const history::HistoryContents&)> done);

    // Nothing is being recorded or read, and every answer has been given.
    bool idle() const { return pending_ == 0; }

    // Every recorded game, read at once on the caller's thread; nothing when
    // there is no history to read.
    std::optional<std::vector<history::FinishedGame>> games() const;

private:
    struct Outcome {
        std::optional<history::HistoryError> history;
        std::optional<storage::WriteError> keptAside;
    };
    void post(std::function<void()> job);
    void answer(std::function<void()> onWindowThread);
    Outcome recordKeptAsideGames();
    void report(const Outcome& outcome);

    std::filesystem::path file_;
    WriteFailed writeFailed_;
    std::atomic<bool> closing_{false};
    history::Waiting waiting_;
    history::KeptAside keptAside_;
    std::optional<std::chrono::steady_clock::time_point> started_;
    std::set<GameId> recorded_;  // the games handed over since the last new game
    std::optional<std::chrono::steady_clock::time_point> lastKeptAsideTry_;
    int pending_ = 0;  // jobs posted and not yet answered; the window's thread only
    QObject answers_;  // lives on the window's thread: the worker's answers are delivered there
    std::unique_ptr<HistoryWorker> worker_;
};

}  // namespace dakru::ui::statistics
