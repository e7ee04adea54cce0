// The reading half of loading a block: lines of an intermediate file into batches of rows.
#pragma once

#include "convert/line_reader.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

class AirwayLookups;
class RowBatch;
struct LoadBlock;

// Reads the rows of one load block from its intermediate file, a batch at a
// time, on whichever thread calls it: the header line is passed over, then
// each line gives its rows. Failures never leave read(): they end the batch,
// located at their file and line, to be thrown where the rows are inserted.
class BlockReader {
public:
    // A file still being written is followed through wait_for_more (see LineReader).
    BlockReader(std::string path, std::function<bool()> wait_for_more);
    virtual ~BlockReader();
    BlockReader(const BlockReader&) = delete;
    BlockReader& operator=(const BlockReader&) = delete;

    // Adds the next rows to the empty batch until it is full. False once the
    // file is read to its end or a failure ended the batch.
    bool read(RowBatch& batch);

protected:
    // The rows of one line of the file.
    virtual void take_line(RowBatch& batch, std::string_view line, long number) = 0;
    // Rows still owed once the last line is taken.
    virtual void end_of_file(RowBatch&) {}

    const std::string& path() const { return path_; }
    // Set while a row is written: the first row written prepares the insert,
    // so a failure then comes after it.
    bool writing_row_ = false;

private:
    bool read_lines(RowBatch& batch);

    std::string path_;
    std::function<bool()> wait_for_more_;
    std::optional<LineReader> reader_;
    bool past_header_ = false;
};

// The reader of a block's file; an airway block looks its fixes up in the
// lookups, which must then be given.
std::unique_ptr<BlockReader> read_block(const LoadBlock& block, const std::string& path,
                                        const AirwayLookups* lookups,
                                        std::function<bool()> wait_for_more = {});

} // namespace quill
