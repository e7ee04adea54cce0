// How a database file is opened and queried straight through SQLite's C API.
#include "support/sql_rows.h"

#include <sqlite3.h>
#include <stdexcept>

#include "app/platform.h"

namespace quill::test {

sqlite3* open_database(const std::string& path, int flags) {
    const DatabaseFile file = database_file(path);
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.path.c_str(), &db, flags, file.file_layer) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path);
    }
    return db;
}

namespace {

// An open database file, closed on scope exit.
struct Database {
    explicit Database(const std::string& path, Access access = Access::ReadWrite)
        : db(open_database(path, access == Access::ReadOnly ? SQLITE_OPEN_READONLY
                                                            : SQLITE_OPEN_READWRITE)) {}
    ~Database() { sqlite3_close(db); }
    sqlite3* db;
};

} // namespace

std::vector<std::string> sql_rows(const std::string& database, std::string_view sql,
                                  Access access) {
    Database file(database, access);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(file.db, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(file.db));
    std::vector<std::string> rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
            if (i > 0) row += "|";
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
            row += text ? text : "NULL";
        }
        rows.push_back(row);
    }
    sqlite3_finalize(stmt);
    return rows;
}

long long sql_count(const std::string& database, std::string_view sql, Access access) {
    const std::vector<std::string> rows = sql_rows(database, sql, access);
    if (rows.size() != 1) throw std::runtime_error("not one row: " + std::string(sql));
    return std::stoll(rows[0]);
}

void sql_exec(const std::string& database, std::string_view sql) {
    Database file(database);
    char* message = nullptr;
    const int rc = sqlite3_exec(file.db, std::string(sql).c_str(), nullptr, nullptr, &message);
    const std::string reason = message ? message : "";
    sqlite3_free(message);
    if (rc != SQLITE_OK) throw std::runtime_error(reason);
}

} // namespace quill::test
