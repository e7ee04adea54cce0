// What the loader does with each intermediate file: its table and where each column's value
// comes from.
#pragma once

#include "load/work_database.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace quill {

// How a table column gets its value from a line of an intermediate file.
enum class ValueKind {
    Number,  // the field's text turned into a double
    Text,    // the field's text, stored by the column's declared type
    Position // a fix's coordinate looked up by name (airway blocks)
};

struct ColumnSource {
    std::string_view column;
    ValueKind kind;
    std::size_t field;
};

enum class BlockKind { Rows, Airways };

// One intermediate file loaded into one table.
struct LoadBlock {
    std::string_view file;
    std::string_view progress;
    WorkTable table;
    BlockKind kind;
    // A column set first to a constant text; empty when the block has none.
    std::string_view type_column;
    std::string_view type_value;
    std::span<const ColumnSource> columns;
};

// The twenty load blocks in loading order.
inline constexpr std::size_t kLoadBlockCount = 20;
extern const std::array<LoadBlock, kLoadBlockCount> kLoadBlocks;

// The columns a block sets, in the order it sets them: the type column first.
std::vector<std::string_view> column_names(const LoadBlock& block);

} // namespace quill
