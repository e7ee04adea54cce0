// Loads every intermediate file but the airways': one row for each line.
#pragma once

#include "convert/field_list.h"
#include "load/block_reader.h"

namespace quill {

// The rows of a table block: one row per line of the intermediate file, each
// column's value taken from its field.
class TableBlockReader : public BlockReader {
public:
    TableBlockReader(const LoadBlock& block, std::string path, std::function<bool()> wait_for_more);

private:
    void take_line(RowBatch& batch, std::string_view line, long number) override;

    const LoadBlock& block_;
    FieldList fields_;
};

} // namespace quill
