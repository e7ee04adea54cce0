// Lets the airway loader start from the waypoints it has just read rather than read NavWPT back.
#pragma once

#include "load/fix_index.h"

#include <optional>

namespace quill {

class RowBatch;
class Table;

// The rows of the fix block's file read anew, a batch at a time, for the
// comparison with the table.
class FixFileRows {
public:
    virtual ~FixFileRows() = default;
    // The next batch in file order, or null after the last; valid until the
    // next call. A batch that failed ends the rows.
    virtual const RowBatch* next() = 0;
};

// The waypoint lookup table foreseen from the rows of the fix block as they
// are read ahead: what the block inserts into a NavWPT it cleared, as the
// table gives it back. Grouped while the block is still being inserted, it
// stands in for the table only where the table holds exactly these rows.
class ForeseenWaypoints {
public:
    // Where the fix block's file is read anew for held_by, rather than kept
    // in memory.
    explicit ForeseenWaypoints(FixFileRows& file);

    // The next rows of the fix block, in file order.
    void add(const RowBatch& batch);
    // Once every row is added: groups them by name.
    void group();
    // True when the table holds the rows of the fix block's file and no
    // other, in file order, each to the last bit of its coordinates.
    bool held_by(const Table& table) const;
    // The rows grouped.
    FixIndex index() &&;

private:
    FixFileRows* file_;
    FixRows rows_;
    std::optional<FixIndex> grouped_;
};

} // namespace quill
