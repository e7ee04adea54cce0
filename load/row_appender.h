// Puts rows into a table of the work database as fast as SQLite takes them.
#pragma once

#include "app/error.h"
#include "database/statement.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace quill {

class Table;

// Appends rows to a table with a fixed set of columns, named when the
// appender is made (one prepared INSERT). Values are set by the column's
// position in that set, then the row is posted.
//
// Once a row is in, later rows can go in a group at a time: one statement
// with the values of group_size() rows inserts them in order, exactly as
// posting them one by one would, for much less work per row. Groups are
// used only where a refused row can be told from the rows before it: the
// table has rowids and no trigger.
class RowAppender {
public:
    // Throws "Field '<name>' not found" for a column the table lacks.
    RowAppender(const Table& table, std::span<const std::string_view> columns);

    void set_number(int column, double value);
    // Stored by the column's declared type. Bytes that are not UTF-8 are read
    // as Windows-1252. Unless it needs decoding, the text must stay valid until post.
    void set_text(int column, std::string_view text);
    void post();

    // The rows of the next group; 1 while rows can only go in one by one.
    std::size_t group_size() const;
    // As set_number and set_text, for the row at `place` in the next group.
    void set_number(std::size_t place, int column, double value);
    void set_text(std::size_t place, int column, std::string_view text);
    // Inserts the group's rows in order. A row the table refuses throws
    // RowRefused with its place; in a transaction without a journal, as a
    // load writes, the rows before it stay in, as had each been posted alone.
    void post_group();

    struct RowRefused {
        std::size_t place;
        Error error;
    };

private:
    int parameter(std::size_t place, int column) const;

    const Table& table_;
    const int columns_;
    Statement insert_;
    std::optional<Statement> group_;
    std::size_t group_rows_ = 1;
    // The rowid of the last row in, once one is.
    std::optional<std::int64_t> last_rowid_;
};

} // namespace quill
