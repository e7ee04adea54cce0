#pragma once

#include "database/fix_index.h"

#include <cstddef>
#include <optional>

namespace quill {

class RowBatch;

// The waypoint lookup table foreseen from the rows of the fix block as they
// are read ahead: what the block inserts into a NavWPT it cleared, as the
// table gives it back. Grouped while the block is still being inserted, it
// stands in for the table only where the table is found to hold exactly
// these rows (FixIndex::holds_rows_of).
class ForeseenWaypoints {
public:
    ForeseenWaypoints();

    // The next rows of the fix block, in file order.
    void add(const RowBatch& batch);
    // Once every row is added: the rows by name.
    FixIndex group();

private:
    std::size_t latitude_;
    std::size_t longitude_;
    std::size_t name_;
    FixRows rows_;
};

} // namespace quill
