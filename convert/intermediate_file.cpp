#include "convert/intermediate_file.h"

#include "convert/error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace quill {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;

// Fields are mostly a few bytes long: fixed-size copies that the compiler
// inlines beat a library call per field. Reads stay inside the field.
char* copy_field(char* out, std::string_view field) {
    const char* in = field.data();
    const std::size_t n = field.size();
    if (n >= 8 && n <= 16) {
        std::memcpy(out, in, 8);
        std::memcpy(out + n - 8, in + n - 8, 8);
    } else if (n >= 4 && n < 8) {
        std::memcpy(out, in, 4);
        std::memcpy(out + n - 4, in + n - 4, 4);
    } else if (n > 0 && n < 4) {
        out[0] = in[0];
        out[n / 2] = in[n / 2];
        out[n - 1] = in[n - 1];
    } else if (n > 16) {
        std::memcpy(out, in, n);
    }
    return out + n;
}
} // namespace

std::string intermediate_path(const std::string& work_folder, std::string_view source_name,
                              std::string_view suffix) {
    const std::size_t dot = source_name.rfind('.');
    std::string path = work_folder;
    path.append(source_name.substr(0, dot));
    path.append(suffix);
    return path;
}

IntermediateFile::IntermediateFile(std::string path, std::string_view header)
    : path_(std::move(path)), buffer_(new char[kBufferSize]) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) fail(errno);
    write({header});
}

IntermediateFile::~IntermediateFile() {
    if (fd_ < 0) return;
    // On the way out of a failed conversion: keep what was written, report nothing.
    try {
        flush();
    } catch (const Error&) {
    }
    ::close(fd_);
}

void IntermediateFile::fail(int system_error) const {
    Error error = io_error(system_error);
    error.locate(path_, lines_);
    throw error;
}

void IntermediateFile::append(std::string_view text) {
    while (!text.empty()) {
        if (used_ == kBufferSize) flush();
        const std::size_t n = std::min(text.size(), kBufferSize - used_);
        std::memcpy(buffer_.get() + used_, text.data(), n);
        used_ += n;
        text.remove_prefix(n);
    }
}

void IntermediateFile::write(std::initializer_list<std::string_view> fields) {
    ++lines_;
    std::size_t length = fields.size() + 1;  // the pipes between the fields, CR and LF
    for (std::string_view field : fields) length += field.size();
    if (length > kBufferSize - used_) flush();
    if (length > kBufferSize) {
        bool first = true;
        for (std::string_view field : fields) {
            if (!first) append("|");
            first = false;
            append(field);
        }
        append("\r\n");
        return;
    }
    // The usual case: the whole record goes into the buffer in one piece.
    char* out = buffer_.get() + used_;
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) *out++ = '|';
        first = false;
        out = copy_field(out, field);
    }
    *out++ = '\r';
    *out++ = '\n';
    used_ = static_cast<std::size_t>(out - buffer_.get());
}

void IntermediateFile::flush() {
    std::size_t done = 0;
    while (done < used_) {
        const ssize_t n = ::write(fd_, buffer_.get() + done, used_ - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            used_ = 0;
            fail(errno);
        }
        done += static_cast<std::size_t>(n);
    }
    used_ = 0;
}

void IntermediateFile::close() {
    if (fd_ < 0) return;
    flush();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) fail(errno);
}

} // namespace quill
