#pragma once

#include "database/load_blocks.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill::bench {

// One value as the loader binds it: a number or a text.
struct Value {
    double number;
    std::size_t offset;
    std::size_t length;
};

// The rows of one table, read back from a loaded database.
struct TableRows {
    const LoadBlock* block = nullptr;
    std::vector<std::string_view> columns;
    std::vector<bool> numeric;
    std::vector<Value> values; // row after row
    std::string texts;
    std::size_t rows = 0;
};

// The rows of every loaded table of a work database, in loading order.
std::vector<TableRows> read_rows(const std::string& database);

std::size_t total_rows(const std::vector<TableRows>& tables);

std::string table_name(const TableRows& rows);

// The least a loader has to do: insert the same rows, already in memory, with
// one prepared statement per table in one transaction.
void insert_floor(const std::string& database, const std::vector<TableRows>& tables);

} // namespace quill::bench
