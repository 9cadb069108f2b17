#pragma once

#include <sqlite3.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "finished_game.h"
#include "history_error.h"

// What the history's reading and its recording share of SQLite: opening a
// connection through the history's file layer with a bounded wait, running
// statements, the games table's columns, and what a failure means.
namespace dakru::history::sql {

// A failed SQLite call, carrying its result code.
struct SqlError : std::runtime_error {
    SqlError(int code, const std::string& what, int systemError = 0)
        : std::runtime_error(what), code(code), systemError(systemError)
    {
    }
    int code;
    int systemError;
};

// Not SQLite's: the file's schema is newer than this program's.
inline constexpr int kNewerSchema = -1;

[[noreturn]] void fail(sqlite3* db, int code);

struct Close {
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

// The wait for another copy that holds the database, kept with the connection.
struct BusyWait {
    Waiting waiting;
    std::chrono::steady_clock::time_point since;
};

struct Connection {
    std::unique_ptr<BusyWait> wait;  // before the database: closed after it
    std::unique_ptr<sqlite3, Close> db;
};

// Opens a connection through the history's file layer; throws SqlError.
Connection open(const std::string& name, int flags, const Waiting& waiting);

void exec(sqlite3* db, const std::string& sql);
Statement prepare(sqlite3* db, const std::string& sql);
int intOf(sqlite3* db, const std::string& sql);  // the first column of the first row
std::string textOf(sqlite3* db, const std::string& sql);

bool isBusy(int code);
// The file is no database, or a corrupt one: the only files moved aside.
bool isDamage(int code);
HistoryError errorOf(const SqlError& error);

// The value columns after the fixed ones, in reading order: the 56 cells,
// then the twelve section sums, each name with the separator before it and the
// suffix after it.
std::string valueColumns(const char* separator, const char* suffix);

// The fixed columns of a game row, in the order they are read.
inline constexpr const char* kFixedColumns =
    "ended_at, seconds_played, final_score, version, assisted, game_id, record, table_setup";

// Every row of a SELECT of the fixed columns then the value columns; throws
// SqlError when reading stops short.
std::vector<FinishedGame> readGames(sqlite3* db, sqlite3_stmt* select);

}  // namespace dakru::history::sql
