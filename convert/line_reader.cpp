#include "convert/line_reader.h"

#include "app/error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quill {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr char kEndOfFile = 26;
} // namespace

LineReader::LineReader(std::string path)
    : path_(std::move(path)), buffer_(new char[kBlockSize]), capacity_(kBlockSize) {
    // Opened without blocking, so that a pipe named like a source file is
    // refused here instead of waiting for a writer.
    fd_ = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) fail_to_open(errno);
    try {
        refuse_unless_regular_file();
        skip_byte_order_mark();
    } catch (...) {
        close();
        throw;
    }
}

LineReader::~LineReader() { close(); }

void LineReader::fail_to_open(int system_error) const {
    Error error = io_error(system_error);
    error.locate(path_, 0);
    throw error;
}

void LineReader::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

// Only a regular file has an end: a pipe or a device such as /dev/zero
// could keep the reader waiting or reading for ever. Refused like a folder.
void LineReader::refuse_unless_regular_file() {
    struct stat status {};
    if (::fstat(fd_, &status) != 0) fail_to_open(errno);
    if (!S_ISREG(status.st_mode)) fail_to_open(EISDIR);
    ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) & ~O_NONBLOCK);
}

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
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        Error error = io_error(errno);
        error.locate(path_, line_number_ + 1);
        throw error;
    }
    if (got == 0) {
        at_eof_ = true;
        return;
    }
    char* fresh = buffer_.get() + end_;
    end_ += static_cast<std::size_t>(got);
    if (const void* stop = std::memchr(fresh, kEndOfFile, static_cast<std::size_t>(got))) {
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
