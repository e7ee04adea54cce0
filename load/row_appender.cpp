// How the inserts are written and prepared, and how a refused row is found within its group.
#include "load/row_appender.h"

#include "convert/text_encoding.h"
#include "database/connection.h"
#include "database/table.h"

#include <algorithm>
#include <string>

namespace quill {

namespace {

// Rows per group: enough to spread a statement's own work thin. Every
// SQLite takes 999 parameters.
constexpr std::size_t kGroupRows = 32;
constexpr std::size_t kMostParameters = 999;

std::string insert_sql(const Table& table, std::span<const std::string_view> columns,
                       std::size_t rows) {
    std::string sql = "INSERT INTO \"" + std::string(table.name()) + "\" (";
    std::string row = "(";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) {
            sql += ", ";
            row += ", ";
        }
        sql += "\"" + table.column(columns[i]) + "\"";
        row += "?";
    }
    row += ")";
    sql += ") VALUES " + row;
    for (std::size_t i = 1; i < rows; ++i) sql += ", " + row;
    return sql;
}

// A group's rows take consecutive rowids, so the rowid of the last row in
// tells how many of them went in before one was refused. A trigger could
// insert rows of its own, and a table without rowids (or a view) has no such
// count: there rows go in one by one. A trigger names its table as written.
bool rows_counted_by_rowid(const Table& table) {
    Statement triggers(table.connection(),
                       "SELECT count(*) FROM sqlite_master WHERE type = 'trigger' AND "
                       "tbl_name = ? COLLATE NOCASE");
    triggers.bind_text(0, table.name(), false);
    if (!triggers.step() || triggers.column_int64(0) != 0) return false;
    try {
        Statement rowids(table.connection(),
                         "SELECT rowid FROM \"" + std::string(table.name()) + "\" LIMIT 0");
    } catch (const Error&) {
        return false;
    }
    return true;
}

void bind_text(Statement& statement, int index, std::string_view text) {
    if (is_ascii(text)) statement.bind_text(index, text, false);
    else statement.bind_text(index, to_utf8(text), true);
}

} // namespace

RowAppender::RowAppender(const Table& table, std::span<const std::string_view> columns)
    : table_(table), columns_(static_cast<int>(columns.size())),
      insert_(table.connection(), insert_sql(table, columns, 1)) {
    const std::size_t rows =
        std::min(kGroupRows, kMostParameters / std::max<std::size_t>(columns.size(), 1));
    if (rows > 1 && rows_counted_by_rowid(table)) {
        try {
            group_.emplace(table.connection(), insert_sql(table, columns, rows));
        } catch (const Error&) {
            // A statement beyond this SQLite's limits: rows go in one by one.
        }
    }
    group_rows_ = group_ ? rows : 1;
}

void RowAppender::set_number(int column, double value) { insert_.bind_double(column, value); }

void RowAppender::set_text(int column, std::string_view text) { bind_text(insert_, column, text); }

void RowAppender::post() {
    insert_.step();
    insert_.reset();
    if (group_) last_rowid_ = table_.connection().last_insert_rowid();
}

std::size_t RowAppender::group_size() const { return last_rowid_ ? group_rows_ : 1; }

int RowAppender::parameter(std::size_t place, int column) const {
    return static_cast<int>(place) * columns_ + column;
}

void RowAppender::set_number(std::size_t place, int column, double value) {
    group_->bind_double(parameter(place, column), value);
}

void RowAppender::set_text(std::size_t place, int column, std::string_view text) {
    bind_text(*group_, parameter(place, column), text);
}

void RowAppender::post_group() {
    try {
        group_->step();
    } catch (Error& error) {
        const std::int64_t rows_in = table_.connection().last_insert_rowid() - *last_rowid_;
        const auto last = static_cast<std::int64_t>(group_rows_) - 1;
        const auto place = static_cast<std::size_t>(std::clamp<std::int64_t>(rows_in, 0, last));
        last_rowid_.reset();
        throw RowRefused{place, std::move(error)};
    }
    group_->reset();
    last_rowid_ = table_.connection().last_insert_rowid();
}

} // namespace quill
