// How the loaded rows are read back into batches and inserted again with the loader's own
// inserter.
#include "support/insert_floor.h"

#include "load/block_inserter.h"
#include "database/connection.h"
#include "database/query.h"
#include "database/statement.h"
#include "database/table.h"
#include "load/work_database.h"

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

// In batches as the loader hands them to its inserter, each row's line its
// place in a file with a header line.
void read_table(Connection& connection, TableRows& rows) {
    const std::vector<std::string_view> columns = column_names(*rows.block);
    const std::vector<bool> numeric = numeric_columns(*rows.block);
    Statement select(connection,
                     "SELECT " + column_list(columns) + " FROM " + table_name(rows) + " ORDER BY rowid");
    rows.batches.emplace_back();
    while (select.step()) {
        if (rows.batches.back().full()) rows.batches.emplace_back();
        RowBatch& batch = rows.batches.back();
        batch.start_row(static_cast<long>(rows.rows) + 2);
        for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
            if (numeric[static_cast<std::size_t>(i)]) batch.add_number(select.column_double(i));
            else batch.add_text(select.column_text(i));
        }
        batch.end_row();
        ++rows.rows;
    }
}

void insert_table(Connection& connection, const TableRows& rows) {
    Table table(quill::table_name(rows.block->table));
    table.open(connection);
    BlockInserter inserter(*rows.block, table, table_name(rows));
    for (const RowBatch& batch : rows.batches) inserter.insert(batch);
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
