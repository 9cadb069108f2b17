#include "sql_access.h"

#include <thread>

#include "fault_vfs.h"
#include "field_names.h"

namespace dakru::history::sql {
namespace {

// Waits in short steps while another copy holds the database, until the
// longest wait has passed since this wait began or the program is closing.
int whileBusy(void* context, int attempt)
{
    auto& wait = *static_cast<BusyWait*>(context);
    const auto now = std::chrono::steady_clock::now();
    if (attempt == 0) {
        wait.since = now;
    }
    const bool stopping = wait.waiting.stop != nullptr && wait.waiting.stop->load();
    if (stopping || now - wait.since >= wait.waiting.longest) {
        return 0;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return 1;
}

}  // namespace

void fail(sqlite3* db, int code)
{
    if (db == nullptr) {
        throw SqlError(code, sqlite3_errstr(code));
    }
    throw SqlError(code, sqlite3_errmsg(db), sqlite3_system_errno(db));
}

Connection open(const std::string& name, int flags, const Waiting& waiting)
{
    Connection connection;
    connection.wait = std::make_unique<BusyWait>(BusyWait{waiting, {}});
    sqlite3* raw = nullptr;
    // One thread uses a connection: without SQLite's own locking around every
    // call, reading 10,000 games takes half the time.
    const int rc = sqlite3_open_v2(name.c_str(), &raw, flags | SQLITE_OPEN_NOMUTEX, faultVfsName());
    connection.db.reset(raw);
    if (rc != SQLITE_OK) {
        fail(raw, rc);
    }
    sqlite3_extended_result_codes(raw, 1);
    sqlite3_busy_handler(raw, whileBusy, connection.wait.get());
    return connection;
}

void exec(sqlite3* db, const std::string& sql)
{
    if (const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); rc != SQLITE_OK) {
        fail(db, rc);
    }
}

Statement prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr); rc != SQLITE_OK) {
        fail(db, rc);
    }
    return Statement(statement);
}

int intOf(sqlite3* db, const std::string& sql)
{
    const Statement query = prepare(db, sql);
    const int rc = sqlite3_step(query.get());
    if (rc != SQLITE_ROW) {
        fail(db, rc);
    }
    return sqlite3_column_int(query.get(), 0);
}

std::string textOf(sqlite3* db, const std::string& sql)
{
    const Statement query = prepare(db, sql);
    const int rc = sqlite3_step(query.get());
    if (rc != SQLITE_ROW) {
        fail(db, rc);
    }
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(query.get(), 0));
    return chars != nullptr ? chars : "";
}

bool isBusy(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool isDamage(int code)
{
    const int primary = code & 0xff;
    return code != kNewerSchema && (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB);
}

HistoryError errorOf(const SqlError& error)
{
    HistoryError result{Trouble::Unusable, error.what(), error.systemError};
    if (error.code == kNewerSchema) {
        result.trouble = Trouble::Newer;
        return result;
    }
    switch (error.code & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: result.trouble = Trouble::Busy; break;
    case SQLITE_FULL: result.trouble = Trouble::NoSpace; break;
    case SQLITE_IOERR: result.trouble = Trouble::WriteFailed; break;
    case SQLITE_READONLY:
    case SQLITE_PERM: result.trouble = Trouble::ReadOnly; break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB: result.trouble = Trouble::Damaged; break;
    default: break;
    }
    return result;
}

std::string valueColumns(const char* separator, const char* suffix)
{
    std::string columns;
    const auto add = [&](const std::string& name) {
        columns += separator;
        columns += name;
        columns += suffix;
    };
    for (int row = 1; row <= kRows; ++row) {
        for (int column = 0; column < kColumns; ++column) {
            add(cellName(row, column));
        }
    }
    for (int section = 0; section < kSections; ++section) {
        for (int column = 0; column < kColumns; ++column) {
            add(sumName(section, column));
        }
    }
    return columns;
}

std::vector<FinishedGame> readGames(sqlite3* db, sqlite3_stmt* select)
{
    std::vector<FinishedGame> games;
    sqlite3_reset(select);
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(select)) == SQLITE_ROW) {
        FinishedGame& game = games.emplace_back();
        int n = 0;
        const auto text = [&] {
            const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(select, n));
            const int length = sqlite3_column_bytes(select, n++);
            return chars != nullptr ? std::string(chars, static_cast<std::size_t>(length)) : std::string();
        };
        game.endedAt = text();
        game.secondsPlayed = sqlite3_column_int(select, n++);
        game.finalScore = sqlite3_column_int(select, n++);
        game.version = text();
        game.assisted = sqlite3_column_int(select, n++) != 0;
        game.gameId = text();
        game.record = text();
        game.table = text();
        for (int& value : game.cells) {
            value = sqlite3_column_int(select, n++);
        }
        for (auto& section : game.sectionSums) {
            for (int& value : section) {
                value = sqlite3_column_int(select, n++);
            }
        }
    }
    sqlite3_reset(select);
    if (rc != SQLITE_DONE) {
        fail(db, rc);
    }
    return games;
}

}  // namespace dakru::history::sql
