// Reads source and intermediate files line by line, also while a converter is still writing one.
#pragma once

#include "app/platform.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// Reads a text file line by line in large blocks. A line ends at LF, CRLF or a
// lone CR; the file ends at its physical end or at the first byte 26 (Ctrl-Z).
// A UTF-8 byte-order mark at the very start is skipped, so the header line "I"
// of a file saved by a Windows editor is still recognised. Only a regular
// file (or a link to one) is read; anything else fails as access denied.
//
// A file that another thread is still writing is followed when
// `wait_for_more` is given: at the end of what is written so far the reader
// calls it, and it waits a moment and says whether the writer may still add
// to the file. Lines are then only taken whole, and the file ends once the
// writer has finished it.
class LineReader {
public:
    // Lines are read in blocks of block_size bytes, or more for a longer line.
    explicit LineReader(std::string path, std::function<bool()> wait_for_more = {},
                        std::size_t block_size = kBlockSize);
    static constexpr std::size_t kBlockSize = 1 << 20;
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    // Gives the next line without its line end; the view stays valid until
    // the next call. False at the end of the file.
    bool next(std::string_view& line);
    // Closes the file early; the destructor closes it otherwise.
    void close();

    const std::string& path() const { return path_; }
    // Number of the line last returned, counting from 1.
    long line_number() const { return line_number_; }

private:
    void refill();
    void skip_byte_order_mark();
    const char* next_cr();

    std::string path_;
    std::optional<SystemFile> file_; // empty once closed
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool at_eof_ = false;
    std::function<bool()> wait_for_more_;
    // Most files hold no CR, or one per line: the next CR at or after begin_
    // (end_ when none is buffered) is found once, not on every line.
    std::size_t cr_ = 0;
    bool cr_known_ = false;
    long line_number_ = 0;
};

} // namespace quill
