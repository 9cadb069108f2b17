#include "history_database.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "sql_access.h"

namespace dakru::history {

namespace {

using sql::SqlError;

// The schema's history: step n takes a file from user_version n to n + 1. The
// first schema had no `assisted` column; the games it holds were played before
// hints existed, so they read as unassisted. The third adds each game's
// identity, unique where there is one (older games have none), and the record
// of its decisions; the fourth the players of a game at a table (none before:
// every older game was played alone).
std::string upgradeStep(int from)
{
    switch (from) {
    case 0:
        return "CREATE TABLE games(id INTEGER PRIMARY KEY, ended_at TEXT NOT NULL,"
               " seconds_played INTEGER NOT NULL, final_score INTEGER NOT NULL, version TEXT NOT NULL"
               + sql::valueColumns(", ", " INTEGER NOT NULL") + ")";
    case 1: return "ALTER TABLE games ADD COLUMN assisted INTEGER NOT NULL DEFAULT 0";
    case 2:
        return "ALTER TABLE games ADD COLUMN game_id TEXT; ALTER TABLE games ADD COLUMN record TEXT;"
               " CREATE UNIQUE INDEX games_by_game_id ON games(game_id)";
    case 3: return "ALTER TABLE games ADD COLUMN table_setup TEXT";
    default: throw std::logic_error("no upgrade step from schema " + std::to_string(from));
    }
}

constexpr int kFixedColumnCount = 8;

[[noreturn]] void newer(int found)
{
    throw SqlError(sql::kNewerSchema, "it was written by a newer version of Dakru (schema " + std::to_string(found)
                                          + ", this version writes " + std::to_string(HistoryDatabase::kSchemaVersion)
                                          + ")");
}

// Brings the schema up to date, only when it is behind: reading the version
// takes no lock that keeps another copy from recording. The upgrade itself is
// one transaction that reads the version again, so that two copies starting a
// new file at once do it once.
void upgrade(sqlite3* db)
{
    const int seen = sql::intOf(db, "PRAGMA user_version");
    if (seen > HistoryDatabase::kSchemaVersion) {
        newer(seen);
    }
    if (seen == HistoryDatabase::kSchemaVersion) {
        return;
    }
    sql::exec(db, "BEGIN IMMEDIATE");
    try {
        const int found = sql::intOf(db, "PRAGMA user_version");
        if (found > HistoryDatabase::kSchemaVersion) {
            newer(found);
        }
        // Some other program's database: not ours to add a table to.
        if (found == 0 && sql::intOf(db, "SELECT count(*) FROM sqlite_master") > 0) {
            throw SqlError(SQLITE_NOTADB, "not a game history: it holds other tables");
        }
        for (int version = found; version < HistoryDatabase::kSchemaVersion; ++version) {
            try {
                sql::exec(db, upgradeStep(version));
            } catch (const SqlError& error) {
                // A file that claims a schema it does not have is no history of ours.
                if ((error.code & 0xff) != SQLITE_ERROR) {
                    throw;
                }
                throw SqlError(SQLITE_NOTADB, std::string("not a game history: ") + error.what());
            }
        }
        if (found < HistoryDatabase::kSchemaVersion) {
            sql::exec(db, "PRAGMA user_version = " + std::to_string(HistoryDatabase::kSchemaVersion));
        }
        sql::exec(db, "COMMIT");
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

void bindText(sqlite3_stmt* statement, int n, const std::string& text)
{
    sqlite3_bind_text(statement, n, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// An identity or a record that is not there is NULL: games without identities
// are never taken for one another.
void bindTextOrNull(sqlite3_stmt* statement, int n, const std::string& text)
{
    if (text.empty()) {
        sqlite3_bind_null(statement, n);
    } else {
        bindText(statement, n, text);
    }
}

// SQLite cannot open the log beside the file when its folder may not be
// written: to the player, that history is read-only.
HistoryError errorAt(const std::filesystem::path& file, const SqlError& error)
{
    HistoryError result = sql::errorOf(error);
    if ((error.code & 0xff) == SQLITE_CANTOPEN) {
        const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
        if (::access(folder.c_str(), W_OK) != 0 || ::access(file.c_str(), W_OK) != 0) {
            result.trouble = Trouble::ReadOnly;
        }
    }
    return result;
}

}  // namespace

std::optional<HistoryError> refusedAsItIs(const std::filesystem::path& file)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) {
        return std::nullopt;
    }
    if (!std::filesystem::is_regular_file(status)) {
        return HistoryError{Trouble::NotAFile, "it is not a plain file (a folder or something else is in its place)",
                            0};
    }
    if (::access(file.c_str(), R_OK) != 0 && errno == EACCES) {
        return HistoryError{Trouble::NoPermission, std::strerror(EACCES), EACCES};
    }
    return std::nullopt;
}

struct HistoryDatabase::Connection {
    sql::Connection connection;
    sql::Statement insert;
    sql::Statement select;

    sqlite3* db() const { return connection.db.get(); }

    // Opens and prepares a history file to record; throws SqlError when it cannot.
    static std::unique_ptr<Connection> make(const std::filesystem::path& file, const Waiting& waiting)
    {
        auto made = std::make_unique<Connection>();
        made->connection = sql::open(file.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, waiting);
        sqlite3* db = made->db();
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
            // Only a game of the same identity is left out: any other refusal
            // (a value missing) stays an error, never a game silently lost.
            made->insert =
                sql::prepare(db, std::string("INSERT INTO games(") + sql::kFixedColumns + sql::valueColumns(", ", "")
                                     + ") VALUES(" + placeholders + ") ON CONFLICT(game_id) DO NOTHING");
            made->select = sql::prepare(db, std::string("SELECT ") + sql::kFixedColumns + sql::valueColumns(", ", "")
                                                + " FROM games ORDER BY id");
        } catch (const SqlError& error) {
            if ((error.code & 0xff) != SQLITE_ERROR) {
                throw;
            }
            throw SqlError(SQLITE_NOTADB, std::string("not a game history: ") + error.what());
        }
        // Only a file known to be a history is switched to WAL mode, so that
        // one moved aside keeps the bytes it had; and only once, since the
        // switch itself writes.
        if (sql::textOf(db, "PRAGMA journal_mode") != "wal") {
            sql::exec(db, "PRAGMA journal_mode = WAL");
        }
        // In WAL mode a commit at NORMAL survives a killed program and never
        // leaves the file damaged; only a power cut at that moment could lose
        // the game just recorded. FULL would wait for the disk on every game.
        sql::exec(db, "PRAGMA synchronous = NORMAL");
        return made;
    }

    // Two copies opening a new history at once meet in the schema and the
    // switch to WAL mode, where SQLite answers "busy" at once instead of
    // waiting: the later one tries again until the wait has passed.
    static std::unique_ptr<Connection> makeWaiting(const std::filesystem::path& file, const Waiting& waiting)
    {
        const auto giveUp = std::chrono::steady_clock::now() + waiting.longest;
        for (;;) {
            try {
                return make(file, waiting);
            } catch (const SqlError& error) {
                const bool stopping = waiting.stop != nullptr && waiting.stop->load();
                if (!sql::isBusy(error.code) || stopping || std::chrono::steady_clock::now() > giveUp) {
                    throw;
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
};

HistoryDatabase::HistoryDatabase(std::filesystem::path file, Waiting waiting, std::unique_ptr<Connection> connection)
    : file_(std::move(file)), waiting_(waiting), connection_(std::move(connection))
{
}

HistoryDatabase::HistoryDatabase(HistoryDatabase&&) noexcept = default;
HistoryDatabase& HistoryDatabase::operator=(HistoryDatabase&&) noexcept = default;
HistoryDatabase::~HistoryDatabase() = default;

std::optional<HistoryDatabase> HistoryDatabase::open(const std::filesystem::path& file, const Waiting& waiting,
                                                     HistoryError* why)
{
    const auto refuse = [&](const HistoryError& error) -> std::optional<HistoryDatabase> {
        const char* left = error.trouble == Trouble::NotAFile || error.trouble == Trouble::NoPermission
                                   || error.trouble == Trouble::Newer
                               ? "; it is left as it is"
                               : "";
        say("cannot record the game in the history " + file.string() + ": " + error.reason + left);
        if (why != nullptr) {
            *why = error;
        }
        return std::nullopt;
    };
    if (const std::optional<HistoryError> refused = refusedAsItIs(file)) {
        return refuse(*refused);
    }
    std::error_code ignored;
    std::filesystem::create_directories(file.parent_path(), ignored);
    const bool existed = std::filesystem::exists(file, ignored);
    try {
        return HistoryDatabase(file, waiting, Connection::makeWaiting(file, waiting));
    } catch (const SqlError& error) {
        if (existed && sql::isDamage(error.code)) {
            HistoryDatabase history(file, waiting, nullptr);
            if (history.startAfresh(error.what())) {
                return history;
            }
            if (why != nullptr) {
                *why = errorAt(file, error);
            }
            return std::nullopt;
        }
        return refuse(errorAt(file, error));
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
        connection_ = Connection::makeWaiting(file_, waiting_);
    } catch (const SqlError& fresh) {
        say("the game history " + file_.string() + " was damaged (" + reason + "), kept as " + aside.string()
            + "; a new one cannot be started: " + fresh.what());
        return false;
    }
    say("the game history " + file_.string() + " was damaged (" + reason + "); it is kept as " + aside.string()
        + " and a new one is started");
    return true;
}

std::optional<HistoryError> HistoryDatabase::add(const FinishedGame& game)
{
    for (int attempt = 0; attempt < 2 && connection_ != nullptr; ++attempt) {
        sqlite3* db = connection_->db();
        sqlite3_stmt* insert = connection_->insert.get();
        sqlite3_reset(insert);
        int n = 0;
        bindText(insert, ++n, game.endedAt);
        sqlite3_bind_int(insert, ++n, game.secondsPlayed);
        sqlite3_bind_int(insert, ++n, game.finalScore);
        bindText(insert, ++n, game.version);
        sqlite3_bind_int(insert, ++n, game.assisted ? 1 : 0);
        bindTextOrNull(insert, ++n, game.gameId);
        bindTextOrNull(insert, ++n, game.record);
        bindTextOrNull(insert, ++n, game.table);
        for (const int value : game.cells) {
            sqlite3_bind_int(insert, ++n, value);
        }
        for (const auto& section : game.sectionSums) {
            for (const int value : section) {
                sqlite3_bind_int(insert, ++n, value);
            }
        }
        // One statement, one transaction: the game is in the file whole or not at
        // all; one whose identity is there already is left out.
        const int rc = sqlite3_step(insert);
        sqlite3_reset(insert);
        if (rc == SQLITE_DONE) {
            return std::nullopt;
        }
        const SqlError error(rc, sqlite3_errmsg(db), sqlite3_system_errno(db));
        if (!sql::isDamage(rc) || attempt > 0) {
            say("cannot record the game in " + file_.string() + ": " + error.what());
            return errorAt(file_, error);
        }
        if (!startAfresh(error.what())) {
            return errorAt(file_, error);
        }
    }
    return HistoryError{Trouble::Unusable, "no history is open", 0};
}

std::vector<FinishedGame> HistoryDatabase::games()
{
    if (connection_ == nullptr) {
        return {};
    }
    try {
        return sql::readGames(connection_->db(), connection_->select.get());
    } catch (const SqlError& error) {
        if (sql::isDamage(error.code)) {
            startAfresh(error.what());
        } else {
            say("cannot read the game history " + file_.string() + ": " + error.what());
        }
        return {};
    }
}

}  // namespace dakru::history
