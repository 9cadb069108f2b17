#include "history_database.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "field_names.h"

namespace dakru::history {

namespace {

// Long enough for the other copy of the game to finish recording its game.
constexpr int kBusyTimeoutMs = 5000;

// A failed SQLite call, carrying its result code.
struct SqlError : std::runtime_error {
    SqlError(int code, const std::string& what) : std::runtime_error(what), code(code) {}
    int code;
};

// What says the file is not a database we can use, as opposed to a busy,
// full or read-only one that is better left alone.
bool isBusy(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

bool isDamage(int code)
{
    const int primary = code & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB || primary == SQLITE_CANTOPEN;
}

[[noreturn]] void fail(sqlite3* db, int code)
{
    throw SqlError(code, db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(code));
}

void exec(sqlite3* db, const std::string& sql)
{
    if (const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr); rc != SQLITE_OK) {
        fail(db, rc);
    }
}

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalize>;

Statement prepare(sqlite3* db, const std::string& sql)
{
    sqlite3_stmt* statement = nullptr;
    if (const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr); rc != SQLITE_OK) {
        fail(db, rc);
    }
    return Statement(statement);
}

int userVersion(sqlite3* db)
{
    const Statement query = prepare(db, "PRAGMA user_version");
    const int rc = sqlite3_step(query.get());
    if (rc != SQLITE_ROW) {
        fail(db, rc);
    }
    return sqlite3_column_int(query.get(), 0);
}

int tableCount(sqlite3* db)
{
    const Statement query = prepare(db, "SELECT count(*) FROM sqlite_master");
    const int rc = sqlite3_step(query.get());
    if (rc != SQLITE_ROW) {
        fail(db, rc);
    }
    return sqlite3_column_int(query.get(), 0);
}

// The value columns after the fixed ones, in reading order: the 56 cells, then
// the twelve section sums.
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

// The schema's history: step n takes a file from user_version n to n + 1. The
// first schema had no `assisted` column; the games it holds were played before
// hints existed, so they read as unassisted.
std::string upgradeStep(int from)
{
    switch (from) {
    case 0:
        return "CREATE TABLE games(id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL,"
               " seconds_played INTEGER NOT NULL, final_score INTEGER NOT NULL, version TEXT NOT NULL"
               + valueColumns(", ", " INTEGER NOT NULL") + ")";
    case 1: return "ALTER TABLE games ADD COLUMN assisted INTEGER NOT NULL DEFAULT 0";
    default: throw std::logic_error("no upgrade step from schema " + std::to_string(from));
    }
}

constexpr const char* kFixedColumns = "ended_at, seconds_played, final_score, version, assisted";
constexpr int kFixedColumnCount = 5;

// Brings the schema up to date in one transaction, taken before reading the
// version so that two copies starting a new file at once do it once.
void upgrade(sqlite3* db)
{
    exec(db, "BEGIN IMMEDIATE");
    try {
        const int found = userVersion(db);
        // Some other program's database: not ours to add a table to.
        if (found == 0 && tableCount(db) > 0) {
            throw SqlError(SQLITE_NOTADB, "not a game history: it holds other tables");
        }
        for (int version = found; version < HistoryDatabase::kSchemaVersion; ++version) {
            exec(db, upgradeStep(version));
        }
        if (found < HistoryDatabase::kSchemaVersion) {
            exec(db, "PRAGMA user_version = " + std::to_string(HistoryDatabase::kSchemaVersion));
        }
        exec(db, "COMMIT");
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::string compactUtcNow()
{
    std::string iso = isoUtc(std::chrono::system_clock::now());  // 2026-12-07T01:30:00Z
    std::string compact;
    for (const char c : iso) {
        if (c != '-' && c != ':' && c != 'Z') {
            compact += c;
        }
    }
    return compact;  // 20261207T013000
}

void say(const std::string& line)
{
    std::fprintf(stderr, "dakru: %s\n", line.c_str());
}

}  // namespace

struct HistoryDatabase::Connection {
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, Close> db;
    Statement insert;
    Statement select;

    // Opens and prepares a history file; throws SqlError when it cannot.
    static std::unique_ptr<Connection> make(const std::filesystem::path& file)
    {
        auto connection = std::make_unique<Connection>();
        sqlite3* raw = nullptr;
        // One thread uses a connection: without SQLite's own locking around
        // every call, reading 10,000 games takes half the time.
        const int rc = sqlite3_open_v2(file.c_str(), &raw,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
        connection->db.reset(raw);
        if (rc != SQLITE_OK) {
            fail(raw, rc);
        }
        sqlite3* db = raw;
        sqlite3_busy_timeout(db, kBusyTimeoutMs);
        // The history is opened for one game at a time: copying the log into
        // the file on every close would wait for the disk twice each time.
        // SQLite copies it by itself once it has grown.
        sqlite3_db_config(db, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
        upgrade(db);

        std::string placeholders;
        for (int n = 0; n < kFixedColumnCount + kCells + kSections * kColumns; ++n) {
            placeholders += n == 0 ? "?" : ", ?";
        }
        // Preparing checks that the file holds our table with every column we
        // need; a file without them is some other database, not a history.
        try {
            connection->insert = prepare(db, std::string("INSERT INTO games(") + kFixedColumns + valueColumns(", ", "")
                                                 + ") VALUES(" + placeholders + ")");
            connection->select = prepare(
                db, std::string("SELECT ") + kFixedColumns + valueColumns(", ", "") + " FROM games ORDER BY id");
        } catch (const SqlError& error) {
            if ((error.code & 0xff) != SQLITE_ERROR) {
                throw;
            }
            throw SqlError(SQLITE_NOTADB, std::string("not a game history: ") + error.what());
        }
        // Only a file known to be a history is switched to WAL mode, so that
        // one moved aside keeps the bytes it had.
        exec(db, "PRAGMA journal_mode = WAL");
        // In WAL mode a commit at NORMAL survives a killed program and never
        // leaves the file damaged; only a power cut at that moment could lose
        // the game just recorded. FULL would wait for the disk on every game.
        exec(db, "PRAGMA synchronous = NORMAL");
        return connection;
    }
};

// Two copies opening a new history at once meet in the schema and the switch
// to WAL mode, where SQLite answers "busy" at once instead of waiting: the
// later one tries again until the busy timeout has passed.
std::unique_ptr<HistoryDatabase::Connection> HistoryDatabase::makeConnection(const std::filesystem::path& file)
{
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(kBusyTimeoutMs);
    for (;;) {
        try {
            return Connection::make(file);
        } catch (const SqlError& error) {
            if (!isBusy(error.code) || std::chrono::steady_clock::now() > giveUp) {
                throw;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

HistoryDatabase::HistoryDatabase(std::filesystem::path file, std::unique_ptr<Connection> connection)
    : file_(std::move(file)), connection_(std::move(connection))
{
}

HistoryDatabase::HistoryDatabase(HistoryDatabase&&) noexcept = default;
HistoryDatabase& HistoryDatabase::operator=(HistoryDatabase&&) noexcept = default;
HistoryDatabase::~HistoryDatabase() = default;

std::optional<HistoryDatabase> HistoryDatabase::open(const std::filesystem::path& file)
{
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const bool existed = std::filesystem::exists(file, ignored);
    try {
        return HistoryDatabase(file, makeConnection(file));
    } catch (const SqlError& error) {
        if (existed && isDamage(error.code)) {
            HistoryDatabase history(file, nullptr);
            if (history.startAfresh(error.what())) {
                return history;
            }
            return std::nullopt;
        }
        say("cannot keep the game history in " + file.string() + ": " + error.what());
        return std::nullopt;
    }
}

bool HistoryDatabase::startAfresh(const std::string& reason)
{
    connection_.reset();
    const std::string stamp = compactUtcNow();
    std::filesystem::path aside;
    for (int n = 1;; ++n) {
        aside = file_;
        aside += ".damaged-" + stamp + (n == 1 ? std::string() : "-" + std::to_string(n));
        std::error_code error;
        if (!std::filesystem::exists(aside, error)) {
            break;
        }
    }
    std::error_code error;
    std::filesystem::rename(file_, aside, error);
    if (error) {
        say("the game history " + file_.string() + " is damaged (" + reason
            + ") and cannot be moved aside: " + error.message());
        return false;
    }
    // The write-ahead log may hold games not yet copied into the file: it goes
    // with it, under the name SQLite looks for beside the moved file.
    for (const char* companion : {"-wal", "-shm"}) {
        std::filesystem::path from = file_;
        from += companion;
        std::filesystem::path to = aside;
        to += companion;
        std::error_code ignored;
        if (std::filesystem::exists(from, ignored)) {
            std::filesystem::rename(from, to, ignored);
        }
    }
    try {
        connection_ = makeConnection(file_);
    } catch (const SqlError& fresh) {
        say("the game history " + file_.string() + " was damaged (" + reason + "), kept as " + aside.string()
            + "; a new one cannot be started: " + fresh.what());
        return false;
    }
    say("the game history " + file_.string() + " was damaged (" + reason + "); it is kept as " + aside.string()
        + " and a new one is started");
    return true;
}

bool HistoryDatabase::record(const FinishedGame& game)
{
    for (int attempt = 0; attempt < 2 && connection_ != nullptr; ++attempt) {
        sqlite3* db = connection_->db.get();
        sqlite3_stmt* insert = connection_->insert.get();
        sqlite3_reset(insert);
        int n = 0;
        sqlite3_bind_text(insert, ++n, game.endedAt.c_str(), static_cast<int>(game.endedAt.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, ++n, game.secondsPlayed);
        sqlite3_bind_int(insert, ++n, game.finalScore);
        sqlite3_bind_text(insert, ++n, game.version.c_str(), static_cast<int>(game.version.size()), SQLITE_TRANSIENT);
        sqlite3_bind_int(insert, ++n, game.assisted ? 1 : 0);
        for (const int value : game.cells) {
            sqlite3_bind_int(insert, ++n, value);
        }
        for (const auto& section : game.sectionSums) {
            for (const int value : section) {
                sqlite3_bind_int(insert, ++n, value);
            }
        }
        // One statement, one transaction: the game is in the file whole or not at all.
        const int rc = sqlite3_step(insert);
        sqlite3_reset(insert);
        if (rc == SQLITE_DONE) {
            return true;
        }
        const std::string reason = sqlite3_errmsg(db);
        if (!isDamage(rc) || attempt > 0) {
            say("cannot record the game in " + file_.string() + ": " + reason);
            return false;
        }
        if (!startAfresh(reason)) {
            return false;
        }
    }
    return false;
}

std::vector<FinishedGame> HistoryDatabase::games()
{
    std::vector<FinishedGame> games;
    if (connection_ == nullptr) {
        return games;
    }
    sqlite3_stmt* select = connection_->select.get();
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
        const std::string reason = sqlite3_errmsg(connection_->db.get());
        if (isDamage(rc)) {
            startAfresh(reason);
        } else {
            say("cannot read the game history " + file_.string() + ": " + reason);
        }
        games.clear();
    }
    return games;
}

}  // namespace dakru::history
