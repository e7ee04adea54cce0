#include "database/table_block.h"

#include "app/error.h"
#include "convert/field_list.h"
#include "convert/line_reader.h"
#include "convert/number_text.h"
#include "database/load_blocks.h"
#include "database/row_appender.h"

#include <optional>

namespace quill {

namespace {

void write_row(RowAppender& appender, const LoadBlock& block, const FieldList& fields) {
    int column = 0;
    if (!block.type_column.empty()) appender.set_text(column++, block.type_value);
    for (const ColumnSource& source : block.columns) {
        const std::string_view field = fields[source.field];
        if (source.kind == ValueKind::Number) appender.set_number(column++, text_to_number(field));
        else appender.set_text(column++, field);
    }
    appender.post();
}

} // namespace

void load_rows(const LoadBlock& block, const Table& table, const std::string& path) {
    LineReader reader(path);
    FieldList fields;
    // Prepared with the first row, so a header-only file needs no columns.
    std::optional<RowAppender> appender;
    std::string_view line;
    try {
        reader.next(line);
        while (reader.next(line)) {
            fields.split_pipes(line);
            if (!appender) appender.emplace(table, column_names(block));
            write_row(*appender, block, fields);
        }
    } catch (Error& error) {
        error.locate(path, reader.line_number());
        throw;
    }
}

} // namespace quill
