// How a line of an intermediate file becomes one row, its numbers converted.
#include "load/table_block.h"

#include "convert/number_text.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"

namespace quill {

TableBlockReader::TableBlockReader(const LoadBlock& block, std::string path,
                                   std::function<bool()> wait_for_more)
    : BlockReader(std::move(path), std::move(wait_for_more)), block_(block) {}

// Every line is a row, so its failures all come after the insert is prepared.
void TableBlockReader::take_line(RowBatch& batch, std::string_view line, long number) {
    fields_.split_pipes(line);
    writing_row_ = true;
    batch.start_row(number);
    if (!block_.type_column.empty()) batch.add_text(block_.type_value);
    for (const ColumnSource& source : block_.columns) {
        const std::string_view field = fields_[source.field];
        if (source.kind == ValueKind::Number) batch.add_number(text_to_number(field));
        else batch.add_text(field);
    }
    batch.end_row();
    writing_row_ = false;
}

} // namespace quill
