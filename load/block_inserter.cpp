// How a batch's rows are bound and posted, alone or in groups, with each failure at its line.
#include "load/block_inserter.h"

#include "app/error.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"

namespace quill {

namespace {

// Hands each of a row's values to the appender by its column's position.
template <typename SetNumber, typename SetText>
void set_values(const RowBatch& batch, std::size_t row, SetNumber set_number, SetText set_text) {
    int column = 0;
    for (const RowBatch::Value& value : batch.row(row)) {
        if (value.text_length == RowBatch::kNumber) set_number(column++, value.number);
        else set_text(column++, batch.text(value));
    }
}

} // namespace

BlockInserter::BlockInserter(const LoadBlock& block, const Table& table, std::string path)
    : block_(block), table_(table), path_(std::move(path)) {}

void BlockInserter::prepare(long line) {
    if (!appender_) located(path_, line, [&] { appender_.emplace(table_, column_names(block_)); });
}

// The insert is prepared by then.
void BlockInserter::post(const RowBatch& batch, std::size_t row) {
    located(path_, batch.line(row), [&] {
        set_values(
            batch, row, [&](int column, double number) { appender_->set_number(column, number); },
            [&](int column, std::string_view text) { appender_->set_text(column, text); });
        appender_->post();
    });
}

// A refused row's error is located at its own line.
void BlockInserter::post_group(const RowBatch& batch, std::size_t first, std::size_t rows) {
    for (std::size_t place = 0; place < rows; ++place)
        located(path_, batch.line(first + place), [&] {
            set_values(
                batch, first + place,
                [&](int column, double number) { appender_->set_number(place, column, number); },
                [&](int column, std::string_view text) { appender_->set_text(place, column, text); });
        });
    try {
        appender_->post_group();
    } catch (RowAppender::RowRefused& refused) {
        refused.error.locate(path_, batch.line(first + refused.place));
        throw refused.error;
    }
}

void BlockInserter::insert(const RowBatch& batch) {
    for (std::size_t row = 0; row < batch.size();) {
        prepare(batch.line(row));
        const std::size_t group = appender_->group_size();
        if (group > 1 && batch.size() - row >= group) {
            post_group(batch, row, group);
            row += group;
        } else {
            post(batch, row++);
        }
    }
    if (!batch.failure()) return;
    const RowBatch::Failure& failure = *batch.failure();
    if (failure.with_appender) prepare(failure.error.line());
    throw failure.error;
}

} // namespace quill
