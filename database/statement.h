// Prepared statements, the one way the program reads and writes rows through SQLite.
#pragma once

#include <cstdint>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace quill {

class Connection;

// A prepared SQLite statement, finalized when the object goes. Parameters and
// result columns count from 0.
class Statement {
public:
    Statement(const Connection& connection, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind_double(int index, double value);
    void bind_int64(int index, std::int64_t value);
    // The text must stay valid until the next step unless it is copied. An
    // empty view binds the empty text, never NULL.
    void bind_text(int index, std::string_view text, bool copy);

    // Runs to the next result row: true on a row, false when done.
    bool step();
    // Runs to the end, dropping any result rows, and makes the statement ready again.
    void execute();
    void reset();

    int column_count() const;
    std::string_view column_name(int index) const;
    // SQLITE_INTEGER, SQLITE_FLOAT, SQLITE_TEXT, SQLITE_BLOB or SQLITE_NULL.
    int column_type(int index) const;
    double column_double(int index) const;
    std::int64_t column_int64(int index) const;
    // Valid until the next step.
    std::string_view column_text(int index) const;

private:
    [[noreturn]] void fail() const;

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace quill
