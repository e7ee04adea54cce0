#pragma once

#include "database/statement.h"

#include <span>
#include <string_view>

namespace quill {

class Table;

// Appends rows to a table with a fixed set of columns, named when the
// appender is made (one prepared INSERT). Values are set by the column's
// position in that set, then the row is posted.
class RowAppender {
public:
    // Throws "Field '<name>' not found" for a column the table lacks.
    RowAppender(const Table& table, std::span<const std::string_view> columns);

    void set_number(int column, double value);
    // Stored by the column's declared type. Bytes that are not UTF-8 are read
    // as Windows-1252. Unless it needs decoding, the text must stay valid until post.
    void set_text(int column, std::string_view text);
    void post();

private:
    Statement insert_;
};

} // namespace quill
