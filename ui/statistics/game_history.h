#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "game_state.h"

namespace dakru::ui::statistics {

// A finished game as the history keeps it: the cells in reading order, the
// section sums and the score as the totals make them, and this program's version.
history::FinishedGame finishedGame(const GameState& state, int secondsPlayed, std::string endedAt);

// The player's history as the main window uses it: each finished game is
// recorded once, when its score is handed over, and the statistics window
// reads it. The database is opened only then, never at start-up.
//
// The time played runs from the game's first roll in this run of the program
// to the hand-over; a game kept from an earlier run counts from its first
// roll in this one.
class GameHistory {
public:
    // An empty path keeps no history.
    explicit GameHistory(std::filesystem::path file);

    // After every event: starts the clock at a game's first roll, and makes
    // ready for the next game once a new one has cleared the sheet.
    void follow(const GameState& state);

    // The finished game's score has been handed over: records the game, once
    // however often the hand-over is repeated.
    void handedOver(const GameState& state);

    // Every recorded game; nothing when there is no history to read.
    std::optional<std::vector<history::FinishedGame>> games() const;

private:
    std::filesystem::path file_;
    std::optional<std::chrono::steady_clock::time_point> started_;
    bool recorded_ = false;
};

}  // namespace dakru::ui::statistics
