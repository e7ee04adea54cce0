#include "database/row_appender.h"

#include "convert/text_encoding.h"
#include "database/table.h"

#include <string>

namespace quill {

namespace {

std::string insert_sql(const Table& table, std::span<const std::string_view> columns) {
    std::string sql = "INSERT INTO \"" + std::string(table.name()) + "\" (";
    std::string values = ") VALUES (";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) {
            sql += ", ";
            values += ", ";
        }
        sql += "\"" + table.column(columns[i]) + "\"";
        values += "?";
    }
    return sql + values + ")";
}

} // namespace

RowAppender::RowAppender(const Table& table, std::span<const std::string_view> columns)
    : insert_(table.connection(), insert_sql(table, columns)) {}

void RowAppender::set_number(int column, double value) { insert_.bind_double(column, value); }

void RowAppender::set_text(int column, std::string_view text) {
    if (is_ascii(text)) insert_.bind_text(column, text, false);
    else insert_.bind_text(column, to_utf8(text), true);
}

void RowAppender::post() {
    insert_.step();
    insert_.reset();
}

} // namespace quill
