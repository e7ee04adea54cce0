// The writing half of loading a block: the rows that a reader prepared go into the table.
#pragma once

#include "load/row_appender.h"

#include <optional>
#include <string>

namespace quill {

class RowBatch;
class Table;
struct LoadBlock;

// Inserts the batches of one load block into its table, on the thread that
// writes the database. The insert is prepared with the first row, so a
// header-only file needs no columns; errors carry the file and the row's line.
// Rows go in by groups where the appender allows.
class BlockInserter {
public:
    BlockInserter(const LoadBlock& block, const Table& table, std::string path);

    // Inserts the batch's rows, then throws the failure that ended it, if any.
    void insert(const RowBatch& batch);

private:
    void prepare(long line);
    void post(const RowBatch& batch, std::size_t row);
    void post_group(const RowBatch& batch, std::size_t first, std::size_t rows);

    const LoadBlock& block_;
    const Table& table_;
    std::string path_;
    std::optional<RowAppender> appender_;
};

} // namespace quill
