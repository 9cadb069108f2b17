#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

#include "finished_game.h"

struct sqlite3;
struct sqlite3_stmt;

namespace dakru::history {

// The player's history of finished games, one SQLite file ("history.sqlite" in
// the player's data folder). It is written in WAL mode with a busy timeout, so
// two running copies of the game both record their games, and every game is
// one transaction: a copy killed while recording leaves the games before it.
// A file that cannot be opened or turns out damaged is moved aside under a
// dated name and a new history started, with one line on standard error.
class HistoryDatabase {
public:
    // The schema this program writes, kept in PRAGMA user_version; older files
    // are brought up to it when opened.
    static constexpr int kSchemaVersion = 2;
    static constexpr const char* kFileName = "history.sqlite";

    // Opens the history at this path, creating it (and its folder) or bringing
    // its schema up to date. Nothing when no history can be kept there at all;
    // the reason has then been written to standard error.
    static std::optional<HistoryDatabase> open(const std::filesystem::path& file);

    HistoryDatabase(HistoryDatabase&&) noexcept;
    HistoryDatabase& operator=(HistoryDatabase&&) noexcept;
    ~HistoryDatabase();

    // Adds one game. False when it could not be kept (reported on standard error).
    bool record(const FinishedGame& game);

    // Every game, in the order they were recorded: the order they ended.
    std::vector<FinishedGame> games();

    const std::filesystem::path& file() const { return file_; }

private:
    struct Connection;
    HistoryDatabase(std::filesystem::path file, std::unique_ptr<Connection> connection);
    static std::unique_ptr<Connection> makeConnection(const std::filesystem::path& file);

    // Moves the damaged file aside and starts a new history in its place.
    bool startAfresh(const std::string& reason);

    std::filesystem::path file_;
    std::unique_ptr<Connection> connection_;
};

}  // namespace dakru::history
