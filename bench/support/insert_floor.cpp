#include "support/insert_floor.h"

#include "database/connection.h"
#include "database/query.h"
#include "database/statement.h"

#include <algorithm>

namespace quill::bench {

std::string table_name(const TableRows& rows) {
    return std::string(quill::table_name(rows.block->table));
}

namespace {

std::vector<bool> numeric_columns(const LoadBlock& block) {
    std::vector<bool> numeric;
    if (!block.type_column.empty()) numeric.push_back(false);
    for (const ColumnSource& source : block.columns) numeric.push_back(source.kind != ValueKind::Text);
    return numeric;
}

std::string column_list(const std::vector<std::string_view>& columns) {
    std::string list;
    for (const std::string_view column : columns) list += (list.empty() ? "" : ", ") + std::string(column);
    return list;
}

void read_table(Connection& connection, TableRows& rows) {
    Statement select(connection,
                     "SELECT " + column_list(rows.columns) + " FROM " + table_name(rows) + " ORDER BY rowid");
    while (select.step()) {
        for (int i = 0; i < static_cast<int>(rows.columns.size()); ++i) {
            if (rows.numeric[i]) {
                rows.values.push_back({select.column_double(i), 0, 0});
            } else {
                const std::string_view text = select.column_text(i);
                rows.values.push_back({0, rows.texts.size(), text.size()});
                rows.texts.append(text);
            }
        }
        ++rows.rows;
    }
}

void insert_table(Connection& connection, const TableRows& rows) {
    std::string values;
    for (std::size_t i = 0; i < rows.columns.size(); ++i) values += i ? ", ?" : "?";
    Statement insert(connection, "INSERT INTO " + table_name(rows) + " (" + column_list(rows.columns) +
                                     ") VALUES (" + values + ")");
    const int width = static_cast<int>(rows.columns.size());
    for (std::size_t row = 0; row < rows.rows; ++row) {
        const Value* value = &rows.values[row * rows.columns.size()];
        for (int i = 0; i < width; ++i) {
            if (rows.numeric[i]) insert.bind_double(i, value[i].number);
            else insert.bind_text(i, std::string_view(rows.texts).substr(value[i].offset, value[i].length), false);
        }
        insert.step();
        insert.reset();
    }
}

} // namespace


std::vector<TableRows> read_rows(const std::string& database) {
    Connection connection;
    connection.open(database);
    std::vector<TableRows> tables;
    for (const LoadBlock& block : kLoadBlocks) {
        const bool seen = std::ranges::any_of(tables, [&](const TableRows& t) { return t.block->table == block.table; });
        if (seen) continue;
        TableRows& rows = tables.emplace_back();
        rows.block = &block;
        rows.columns = column_names(block);
        rows.numeric = numeric_columns(block);
        read_table(connection, rows);
    }
    return tables;
}

std::size_t total_rows(const std::vector<TableRows>& tables) {
    std::size_t total = 0;
    for (const TableRows& rows : tables) total += rows.rows;
    return total;
}

void insert_floor(const std::string& database, const std::vector<TableRows>& tables) {
    Connection connection;
    connection.open(database);
    // The loader's own connection settings.
    WorkDatabase::prepare_to_load(connection);
    Query("BEGIN").execute(connection);
    for (const TableRows& rows : tables) insert_table(connection, rows);
    Query("COMMIT").execute(connection);
}

} // namespace quill::bench
