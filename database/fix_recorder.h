#pragma once

#include "database/fix_index.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quill {

class FieldList;
struct LoadBlock;

// The numbers a row's number columns were set to, by the column's position
// in its block (no block has more columns).
using RowNumbers = std::array<double, 16>;

// Keeps the rows a load appends to one lookup table as reading them back
// would give them: the name as stored, the coordinates as SQLite writes them.
class FixRecorder {
public:
    explicit FixRecorder(std::string_view key_column) : key_column_(key_column) {}

    // Learns which fields of the block's lines the table's name and coordinates come from.
    void start(const LoadBlock& block);
    // Records a row once it is appended.
    void record(const FieldList& fields, const RowNumbers& numbers);
    FixRows& rows() { return rows_; }

private:
    std::string_view key_column_;
    std::size_t name_field_ = 0;
    std::size_t latitude_ = 0;
    std::size_t longitude_ = 0;
    FixRows rows_;
};

} // namespace quill
