// How generated lines are buffered, padded and written, and how each file opens and ends.
#include "cycle/output_file.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace quill::bench {

namespace {
constexpr std::size_t kBufferSize = 1 << 20;
// Room for the longest single item appended at once.
constexpr std::size_t kItemRoom = 64;

[[noreturn]] void fail(const std::string& path) {
    throw std::runtime_error(path + ": " + std::strerror(errno));
}
} // namespace

OutputFile::OutputFile(std::string path) : path_(std::move(path)), buffer_(new char[kBufferSize]) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) fail(path_);
}

OutputFile::~OutputFile() {
    if (fd_ >= 0) ::close(fd_);
}

void OutputFile::flush() {
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) fail(path_);
        done += static_cast<std::size_t>(n);
    }
    bytes_ += static_cast<long long>(used_);
    used_ = 0;
}

OutputFile& OutputFile::text(std::string_view text) {
    if (used_ + text.size() > kBufferSize) flush();
    if (text.size() > kBufferSize) throw std::runtime_error("text too long for the output buffer");
    std::memcpy(buffer_.get() + used_, text.data(), text.size());
    used_ += text.size();
    return *this;
}

OutputFile& OutputFile::blanks(int count) {
    if (used_ + static_cast<std::size_t>(count) > kBufferSize) flush();
    std::memset(buffer_.get() + used_, ' ', static_cast<std::size_t>(count));
    used_ += static_cast<std::size_t>(count);
    return *this;
}

// Moves the item just written at [start, used_) right so it ends at width.
void OutputFile::pad_to(std::size_t start, int width) {
    const std::size_t length = used_ - start;
    if (static_cast<std::size_t>(width) <= length) return;
    const std::size_t pad = static_cast<std::size_t>(width) - length;
    char* item = buffer_.get() + start;
    std::memmove(item + pad, item, length);
    std::memset(item, ' ', pad);
    used_ += pad;
}

OutputFile& OutputFile::number(long long value, int width) {
    if (used_ + kItemRoom + static_cast<std::size_t>(width) > kBufferSize) flush();
    const std::size_t start = used_;
    char* end = std::to_chars(buffer_.get() + used_, buffer_.get() + kBufferSize, value).ptr;
    used_ = static_cast<std::size_t>(end - buffer_.get());
    pad_to(start, width);
    return *this;
}

OutputFile& OutputFile::fixed(double value, int decimals, int width) {
    if (used_ + kItemRoom + static_cast<std::size_t>(width) > kBufferSize) flush();
    const std::size_t start = used_;
    long long scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const long long scaled = std::llround(value * static_cast<double>(scale));
    const unsigned long long magnitude = static_cast<unsigned long long>(scaled < 0 ? -scaled : scaled);
    char* out = buffer_.get() + used_;
    if (scaled < 0) *out++ = '-';
    out = std::to_chars(out, buffer_.get() + kBufferSize, magnitude / scale).ptr;
    if (decimals > 0) {
        *out++ = '.';
        unsigned long long fraction = magnitude % scale;
        for (int i = decimals - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += decimals;
    }
    used_ = static_cast<std::size_t>(out - buffer_.get());
    pad_to(start, width);
    return *this;
}

OutputFile& OutputFile::column(std::string_view value, int width) {
    text(value);
    return blanks(value.size() < static_cast<std::size_t>(width) ? width - static_cast<int>(value.size()) + 1 : 1);
}

void OutputFile::end_line() {
    text("\n");
    ++lines_;
}

void OutputFile::close() {
    flush();
    if (::close(fd_) != 0) {
        fd_ = -1;
        fail(path_);
    }
    fd_ = -1;
}

void write_file_header(OutputFile& out, std::string_view version, std::string_view metadata) {
    out.text("I").end_line();
    out.text(version)
        .text(" Version - data cycle 2606, build 20260520, metadata ")
        .text(metadata)
        .text(". Synthetic data made by the Quillstrom cycle generator; free to copy and change.");
    out.end_line();
    out.end_line();
}

void write_file_end(OutputFile& out) {
    out.text("99").end_line();
    out.close();
}

} // namespace quill::bench
