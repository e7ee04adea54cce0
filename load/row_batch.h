// The rows that pass from the thread that reads an intermediate file to the one that writes the
// database.
#pragma once

#include "app/error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Rows of one load block, read from its intermediate file and made ready to be
// inserted: each row's values, numbers already converted, with the line the
// row came from. Reading apart from inserting lets a second thread read ahead of the
// one that writes the database. A failure met while reading ends the batch;
// the inserting throws it after the rows before it, where reading and
// inserting line by line would have met it.
class RowBatch {
public:
    // A number, or a text in the batch's own storage.
    struct Value {
        double number;
        std::uint32_t text_begin;
        std::uint32_t text_length; // kNumber for a number
    };
    static constexpr std::uint32_t kNumber = UINT32_MAX;

    // The failure that ends the batch. `with_appender`: it came while a row was
    // being written, so the table's insert was prepared before it.
    struct Failure {
        Error error;
        bool with_appender;
    };

    // The values of a row follow start_row; end_row keeps the row, and a row
    // that is not ended is dropped by the next start_row or fail.
    void start_row(long line);
    void add_number(double value);
    void add_text(std::string_view text);
    void end_row();
    void fail(Error error, bool with_appender);

    std::size_t size() const { return lines_.size(); }
    long line(std::size_t row) const { return lines_[row]; }
    std::span<const Value> row(std::size_t row) const;
    std::string_view text(const Value& value) const;
    const std::optional<Failure>& failure() const { return failure_; }
    // Full enough to hand over: the rows or their texts have reached the size
    // that keeps a reader well ahead without holding much memory.
    bool full() const;
    // The memory its rows take.
    std::size_t bytes() const;

    // Empties the batch, keeping its storage for the next rows.
    void clear();

private:
    std::vector<Value> values_;
    std::vector<std::uint32_t> row_ends_; // each kept row's end in values_
    std::vector<long> lines_;
    std::string texts_;
    std::size_t texts_end_ = 0; // where the texts of the kept rows end
    long current_line_ = 0;
    std::optional<Failure> failure_;
};

} // namespace quill
