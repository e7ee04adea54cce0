// How statements are prepared, bound, stepped and read, each failure thrown as the program's error.
#include "database/statement.h"

#include "database/connection.h"
#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

Statement::Statement(const Connection& connection, std::string_view sql) : db_(connection.handle()) {
    if (sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr) != SQLITE_OK)
        fail();
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

void Statement::fail() const { throw sqlite_error(db_); }

void Statement::bind_double(int index, double value) {
    if (sqlite3_bind_double(stmt_, index + 1, value) != SQLITE_OK) fail();
}

void Statement::bind_int64(int index, std::int64_t value) {
    if (sqlite3_bind_int64(stmt_, index + 1, value) != SQLITE_OK) fail();
}

void Statement::bind_text(int index, std::string_view text, bool copy) {
    // SQLite binds NULL for a null pointer; an empty view may have one, and an
    // empty text must still arrive as text.
    const char* bytes = text.data() ? text.data() : "";
    if (sqlite3_bind_text(stmt_, index + 1, bytes, static_cast<int>(text.size()),
                          copy ? SQLITE_TRANSIENT : SQLITE_STATIC) != SQLITE_OK)
        fail();
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    Error error = sqlite_error(db_);
    sqlite3_reset(stmt_);
    throw error;
}

void Statement::execute() {
    while (step()) {}
    reset();
}

void Statement::reset() { sqlite3_reset(stmt_); }

int Statement::column_count() const { return sqlite3_column_count(stmt_); }

std::string_view Statement::column_name(int index) const { return sqlite3_column_name(stmt_, index); }

int Statement::column_type(int index) const { return sqlite3_column_type(stmt_, index); }

double Statement::column_double(int index) const { return sqlite3_column_double(stmt_, index); }

std::int64_t Statement::column_int64(int index) const { return sqlite3_column_int64(stmt_, index); }

std::string_view Statement::column_text(int index) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
    return text ? std::string_view(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)))
                : std::string_view();
}

} // namespace quill
