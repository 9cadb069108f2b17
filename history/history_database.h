#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "finished_game.h"
#include "history_error.h"

namespace dakru::history {

// The player's history of finished games, one SQLite file ("history.sqlite" in
// the player's data folder), opened here to record games. It is written in WAL
// mode with a bounded wait for another copy of the game, so two running copies
// both record their games, and every game is one transaction: a copy killed
// while recording leaves the games before it. A game with an identity is
// recorded at most once, however often it is offered.
//
// Only a file that really is damaged (no database, or a corrupt one) is moved
// aside under a dated name and a new history started, with one line on
// standard error. A file that may not be read or written, anything but a plain
// file in its place, and a newer version's history are left as they are.
class HistoryDatabase {
public:
    // The schema this program writes, kept in PRAGMA user_version; older files
    // are brought up to it when opened to record, newer ones are not written.
    static constexpr int kSchemaVersion = 4;
    static constexpr const char* kFileName = "history.sqlite";

    // Opens the history at this path to record, creating it (and its folder)
    // or bringing its schema up to date. Nothing when no game can be recorded
    // there now; the reason has then been written to standard error, and is
    // put in `why` when given.
    static std::optional<HistoryDatabase> open(const std::filesystem::path& file, const Waiting& waiting = {},
                                               HistoryError* why = nullptr);

    HistoryDatabase(HistoryDatabase&&) noexcept;
    HistoryDatabase& operator=(HistoryDatabase&&) noexcept;
    ~HistoryDatabase();

    // Adds one game, unless a game of the same identity is there already.
    // Nothing when the game is in the history now; otherwise why it is not
    // (also said on standard error).
    std::optional<HistoryError> add(const FinishedGame& game);
    // The same, true when the game is in the history now.
    bool record(const FinishedGame& game) { return !add(game); }

    // Every game, in the order they were recorded: the order they ended.
    std::vector<FinishedGame> games();

    const std::filesystem::path& file() const { return file_; }

private:
    struct Connection;
    HistoryDatabase(std::filesystem::path file, Waiting waiting, std::unique_ptr<Connection> connection);

    // Moves the damaged file aside and starts a new history in its place.
    bool startAfresh(const std::string& reason);

    std::filesystem::path file_;
    Waiting waiting_;
    std::unique_ptr<Connection> connection_;
};

// What keeps a history at this path from being opened at all, before SQLite
// is asked: something that is not a plain file, or a file that may not be
// read. Nothing for a plain readable file or none at all.
std::optional<HistoryError> refusedAsItIs(const std::filesystem::path& file);

}  // namespace dakru::history
