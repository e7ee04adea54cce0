#pragma once

#include "database/fix_index.h"

#include <cstddef>
#include <optional>
#include <string>

namespace quill {

class RowBatch;
class Table;

// The waypoint lookup table foreseen from the rows of the fix block as they
// are read ahead: what the block inserts into a NavWPT it cleared, as the
// table gives it back. Grouped while the block is still being inserted, it
// stands in for the table only where the table holds exactly these rows.
class ForeseenWaypoints {
public:
    // The fix block's file.
    explicit ForeseenWaypoints(std::string path);

    // The next rows of the fix block, in file order.
    void add(const RowBatch& batch);
    // Once every row is added: groups them by name.
    void group();
    // True when the table holds the rows of the fix block's file and no
    // other, in file order, each to the last bit of its coordinates. The
    // file is read anew beside the table rather than kept in memory.
    bool held_by(const Table& table) const;
    // The rows grouped.
    FixIndex index() &&;

private:
    std::string path_;
    FixRows rows_;
    std::optional<FixIndex> grouped_;
};

} // namespace quill
