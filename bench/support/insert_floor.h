// The floor the loader is measured against: the same rows inserted straight from memory.
#pragma once

#include "load/load_blocks.h"
#include "load/row_batch.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quill::bench {

// The rows of one table, read back from a loaded database into batches as
// the loader reads them from its files.
struct TableRows {
    const LoadBlock* block = nullptr;
    std::vector<RowBatch> batches;
    std::size_t rows = 0;
};

// The rows of every loaded table of a work database, in loading order.
std::vector<TableRows> read_rows(const std::string& database);

std::size_t total_rows(const std::vector<TableRows>& tables);

std::string table_name(const TableRows& rows);

// The least a loader has to do: insert the same rows, already in memory,
// through the loader's own inserter (one prepared statement per table, rows
// in groups) in one transaction.
void insert_floor(const std::string& database, const std::vector<TableRows>& tables);

} // namespace quill::bench
