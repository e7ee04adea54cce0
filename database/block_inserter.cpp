#include "database/block_inserter.h"

#include "app/error.h"
#include "database/load_blocks.h"
#include "database/row_batch.h"

namespace quill {

BlockInserter::BlockInserter(const LoadBlock& block, const Table& table, std::string path)
    : block_(block), table_(table), path_(std::move(path)) {}

void BlockInserter::prepare(long line) {
    if (!appender_) located(path_, line, [&] { appender_.emplace(table_, column_names(block_)); });
}

void BlockInserter::post(const RowBatch& batch, std::size_t row) {
    const long line = batch.line(row);
    prepare(line);
    located(path_, line, [&] {
        int column = 0;
        for (const RowBatch::Value& value : batch.row(row)) {
            if (value.text_length == RowBatch::kNumber)
                appender_->set_number(column++, value.number);
            else appender_->set_text(column++, batch.text(value));
        }
        appender_->post();
    });
}

void BlockInserter::insert(const RowBatch& batch) {
    for (std::size_t row = 0; row < batch.size(); ++row) post(batch, row);
    if (!batch.failure()) return;
    const RowBatch::Failure& failure = *batch.failure();
    if (failure.with_appender) prepare(failure.error.line());
    throw failure.error;
}

} // namespace quill
