#pragma once

#include <array>
#include <chrono>
#include <string>

namespace dakru::history {

// The sheet's shape as the history keeps it: 14 scoring rows of 4 columns
// (Down, Down\Up, Up, Call) and 3 sections, each with a sum per column.
inline constexpr int kRows = 14;
inline constexpr int kColumns = 4;
inline constexpr int kCells = kRows * kColumns;
inline constexpr int kSections = 3;

// A game whose 56 cells are all written.
struct FinishedGame {
    std::string endedAt;  // UTC, ISO 8601 to the second: "2026-12-07T01:30:00Z"
    int secondsPlayed = 0;
    int finalScore = 0;
    // Reading order: row 1 from Down to Call, then row 2, ... down to the Dakru row.
    std::array<int, kCells> cells{};
    std::array<std::array<int, kColumns>, kSections> sectionSums{};  // [section][column]
    bool assisted = false;                                           // a hint was shown during the game
    std::string version;                                             // of the program that recorded it, "1.6.6"
    std::string gameId;  // the game's identity, 32 hexadecimal digits; empty for games recorded before identities
    std::string record;  // the record of the game's decisions, as text; empty when there is none
    // A game at a table: every player's kind in the order of play, this
    // game's player as "you" ("you,easy,person,strong"); empty for a game alone.
    std::string table;

    bool playedAlone() const { return table.empty(); }
    bool hasRecord() const { return !record.empty(); }

    // Row 1 to 14, column 0 (Down) to 3 (Call).
    int cell(int row, int column) const
    {
        return cells[static_cast<std::size_t>(row - 1) * kColumns + static_cast<std::size_t>(column)];
    }
    bool operator==(const FinishedGame&) const = default;
};

// "2026-12-07T01:30:00Z" for a moment, in UTC.
std::string isoUtc(std::chrono::system_clock::time_point moment);

}  // namespace dakru::history
