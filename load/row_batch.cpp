// How rows and their texts are stored in a batch, and when it is full enough to hand over.
#include "load/row_batch.h"

namespace quill {

namespace {

// About a quarter of a megabyte of values and as much text: small enough for
// a few to wait in memory, large enough that handing one over costs nothing.
constexpr std::size_t kMaxRows = 2048;
constexpr std::size_t kMaxTextBytes = 1 << 18;

} // namespace

void RowBatch::start_row(long line) {
    values_.resize(row_ends_.empty() ? 0 : row_ends_.back());
    texts_.resize(texts_end_);
    current_line_ = line;
}

void RowBatch::add_number(double value) { values_.push_back({value, 0, kNumber}); }

void RowBatch::add_text(std::string_view text) {
    values_.push_back(
        {0, static_cast<std::uint32_t>(texts_.size()), static_cast<std::uint32_t>(text.size())});
    texts_.append(text);
}

void RowBatch::end_row() {
    row_ends_.push_back(static_cast<std::uint32_t>(values_.size()));
    lines_.push_back(current_line_);
    texts_end_ = texts_.size();
}

void RowBatch::fail(Error error, bool with_appender) {
    start_row(0);
    failure_.emplace(Failure{std::move(error), with_appender});
}

std::span<const RowBatch::Value> RowBatch::row(std::size_t row) const {
    const std::size_t begin = row == 0 ? 0 : row_ends_[row - 1];
    return std::span(values_).subspan(begin, row_ends_[row] - begin);
}

std::string_view RowBatch::text(const Value& value) const {
    return std::string_view(texts_).substr(value.text_begin, value.text_length);
}

bool RowBatch::full() const { return lines_.size() >= kMaxRows || texts_.size() >= kMaxTextBytes; }

std::size_t RowBatch::bytes() const {
    return values_.size() * sizeof(Value) + texts_.size() +
           lines_.size() * (sizeof(long) + sizeof(std::uint32_t));
}

void RowBatch::clear() {
    values_.clear();
    row_ends_.clear();
    lines_.clear();
    texts_.clear();
    texts_end_ = 0;
    failure_.reset();
}

} // namespace quill
