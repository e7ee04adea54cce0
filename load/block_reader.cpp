// How a block's file is opened and read line by line into a batch, and which reader a block
// takes.
#include "load/block_reader.h"

#include "app/error.h"
#include "load/airway_block.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"
#include "load/table_block.h"

namespace quill {

BlockReader::BlockReader(std::string path, std::function<bool()> wait_for_more)
    : path_(std::move(path)), wait_for_more_(std::move(wait_for_more)) {}

BlockReader::~BlockReader() = default;

bool BlockReader::read(RowBatch& batch) {
    if (!reader_) {
        try {
            reader_.emplace(path_, wait_for_more_);
        } catch (const Error& error) {
            batch.fail(error, false);
            return false;
        }
    }
    return read_lines(batch);
}

bool BlockReader::read_lines(RowBatch& batch) {
    std::string_view line;
    try {
        if (!past_header_) {
            past_header_ = true;
            reader_->next(line);
        }
        while (!batch.full()) {
            if (!reader_->next(line)) {
                end_of_file(batch);
                return false;
            }
            take_line(batch, line, reader_->line_number());
        }
        return true;
    } catch (Error& error) {
        error.locate(path_, reader_->line_number());
        batch.fail(error, writing_row_);
        return false;
    }
}

std::unique_ptr<BlockReader> read_block(const LoadBlock& block, const std::string& path,
                                        const AirwayLookups* lookups,
                                        std::function<bool()> wait_for_more) {
    if (block.kind == BlockKind::Airways)
        return std::make_unique<AirwayBlockReader>(block, *lookups, path, std::move(wait_for_more));
    return std::make_unique<TableBlockReader>(block, path, std::move(wait_for_more));
}

} // namespace quill
