#include "history_reading.h"

#include <set>
#include <string>

#include "history_database.h"
#include "sql_access.h"

namespace dakru::history {
namespace {

using sql::SqlError;

// A path as an SQLite URI, so that parameters can follow it.
std::string uriOf(const std::filesystem::path& file)
{
    std::string uri = "file:";
    for (const char c : std::filesystem::absolute(file).string()) {
        if (c == '?' || c == '#' || c == '%') {
            constexpr const char* kDigits = "0123456789ABCDEF";
            const auto byte = static_cast<unsigned char>(c);
            uri += '%';
            uri += kDigits[byte >> 4];
            uri += kDigits[byte & 0xf];
        } else {
            uri += c;
        }
    }
    return uri;
}

// The SELECT for the columns this file's schema has; a column an older schema
// lacks reads as its default. Nothing when there is no games table.
std::optional<std::string> selectFor(sqlite3* db)
{
    const int version = sql::intOf(db, "PRAGMA user_version");
    if (version > HistoryDatabase::kSchemaVersion) {
        throw SqlError(sql::kNewerSchema,
                       "it was written by a newer version of Dakru (schema " + std::to_string(version) + ")");
    }
    std::set<std::string> columns;
    const sql::Statement info = sql::prepare(db, "PRAGMA table_info(games)");
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(info.get())) == SQLITE_ROW) {
        columns.insert(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1)));
    }
    if (rc != SQLITE_DONE) {
        sql::fail(db, rc);
    }
    if (columns.empty()) {
        if (version == 0 && sql::intOf(db, "SELECT count(*) FROM sqlite_master") == 0) {
            return std::nullopt;  // an empty file: a history not yet begun
        }
        throw SqlError(SQLITE_NOTADB, "not a game history: it has no table of games");
    }
    std::string select = "SELECT ended_at, seconds_played, final_score, version";
    select += columns.contains("assisted") ? ", assisted" : ", 0";
    select += columns.contains("game_id") ? ", game_id" : ", NULL";
    select += columns.contains("record") ? ", record" : ", NULL";
    select += columns.contains("table_setup") ? ", table_setup" : ", NULL";
    select += sql::valueColumns(", ", "");
    return select + " FROM games ORDER BY id";
}

std::vector<FinishedGame> readFrom(const std::string& name, int flags, const Waiting& waiting)
{
    const sql::Connection connection = sql::open(name, flags | SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, waiting);
    sqlite3* db = connection.db.get();
    const std::optional<std::string> select = selectFor(db);
    if (!select) {
        return {};
    }
    sql::Statement query;
    try {
        query = sql::prepare(db, *select);
    } catch (const SqlError& error) {
        if ((error.code & 0xff) != SQLITE_ERROR) {
            throw;
        }
        throw SqlError(SQLITE_NOTADB, std::string("not a game history: ") + error.what());
    }
    return sql::readGames(db, query.get());
}

}  // namespace

HistoryContents readHistory(const std::filesystem::path& file, const Waiting& waiting)
{
    HistoryContents contents;
    std::error_code ignored;
    if (!std::filesystem::exists(std::filesystem::status(file, ignored))) {
        contents.missing = true;
        return contents;
    }
    if (std::optional<HistoryError> refused = refusedAsItIs(file)) {
        contents.error = std::move(refused);
        return contents;
    }
    const std::string uri = uriOf(file);
    try {
        try {
            contents.games = readFrom(uri, 0, waiting);
        } catch (const SqlError& error) {
            // A history in WAL mode whose folder cannot be written, without the
            // shared index beside it that reading needs: nothing can change it
            // there, so it is read as the file it is.
            const int primary = error.code & 0xff;
            if (primary != SQLITE_READONLY && primary != SQLITE_CANTOPEN) {
                throw;
            }
            contents.games = readFrom(uri + "?immutable=1", 0, waiting);
        }
    } catch (const SqlError& error) {
        contents.games.clear();
        contents.error = sql::errorOf(error);
    }
    return contents;
}

}  // namespace dakru::history
