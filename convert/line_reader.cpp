// How lines are cut from blocks of the file, with every line end and a writer still at work.
#include "convert/line_reader.h"

#include "app/error.h"

#include <cstring>

namespace quill {

namespace {
constexpr char kEndOfFile = 26;
} // namespace

LineReader::LineReader(std::string path, std::function<bool()> wait_for_more,
                       std::size_t block_size)
    : path_(std::move(path)), buffer_(new char[block_size]), capacity_(block_size),
      wait_for_more_(std::move(wait_for_more)) {
    file_.emplace(located(path_, 0, [&] { return SystemFile::open_to_read(path_); }));
    skip_byte_order_mark();
}

LineReader::~LineReader() { close(); }

void LineReader::close() { file_.reset(); }

// Reads until the first three bytes are in, however the reads are cut.
void LineReader::skip_byte_order_mark() {
    while (end_ < 3 && !at_eof_) refill();
    if (end_ >= 3 && std::memcmp(buffer_.get(), "\xEF\xBB\xBF", 3) == 0) begin_ = 3;
}

void LineReader::refill() {
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == capacity_) {
        std::unique_ptr<char[]> larger(new char[capacity_ * 2]);
        std::memcpy(larger.get(), buffer_.get(), end_);
        buffer_ = std::move(larger);
        capacity_ *= 2;
    }
    cr_known_ = false;
    const auto read = [&] {
        return located(path_, line_number_ + 1,
                       [&] { return file_->read(buffer_.get() + end_, capacity_ - end_); });
    };
    std::size_t got = read();
    // What the writer adds until it finishes is read after it finished too.
    while (got == 0 && wait_for_more_) {
        const bool more = wait_for_more_();
        got = read();
        if (!more) break;
    }
    if (got == 0) {
        at_eof_ = true;
        return;
    }
    char* fresh = buffer_.get() + end_;
    end_ += got;
    if (const void* stop = std::memchr(fresh, kEndOfFile, got)) {
        end_ = static_cast<std::size_t>(static_cast<const char*>(stop) - buffer_.get());
        at_eof_ = true;
    }
}

const char* LineReader::next_cr() {
    if (!cr_known_ || cr_ < begin_) {
        const char* start = buffer_.get() + begin_;
        const auto* cr = static_cast<const char*>(std::memchr(start, '\r', end_ - begin_));
        cr_ = cr ? static_cast<std::size_t>(cr - buffer_.get()) : end_;
        cr_known_ = true;
    }
    return buffer_.get() + cr_;
}

bool LineReader::next(std::string_view& line) {
    for (;;) {
        const char* start = buffer_.get() + begin_;
        const char* stop = buffer_.get() + end_;
        const char* cr = next_cr();
        if (const auto* lf = static_cast<const char*>(std::memchr(start, '\n', cr - start))) {
            line = std::string_view(start, lf - start);
            begin_ = static_cast<std::size_t>(lf + 1 - buffer_.get());
            ++line_number_;
            return true;
        }
        if (cr < stop && (cr + 1 < stop || at_eof_)) {
            line = std::string_view(start, cr - start);
            const bool crlf = cr + 1 < stop && cr[1] == '\n';
            begin_ = static_cast<std::size_t>(cr + (crlf ? 2 : 1) - buffer_.get());
            ++line_number_;
            return true;
        }
        if (at_eof_) {
            if (start == stop) return false;
            line = std::string_view(start, stop - start);
            begin_ = end_;
            ++line_number_;
            return true;
        }
        refill();
    }
}

} // namespace quill
