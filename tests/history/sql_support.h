#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

namespace dakru::history::test {

// Plain SQLite access, to look into a history file or to build one by hand.
inline void sqlExec(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        throw std::runtime_error(message);
    }
}

inline std::string sqlText(const std::filesystem::path& file, const std::string& sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* query = nullptr;
    sqlite3_prepare_v2(db, sql.c_str(), -1, &query, nullptr);
    std::string text;
    if (query != nullptr && sqlite3_step(query) == SQLITE_ROW) {
        const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(query, 0));
        text = chars != nullptr ? chars : "";
    }
    sqlite3_finalize(query);
    sqlite3_close(db);
    return text;
}

}  // namespace dakru::history::test
