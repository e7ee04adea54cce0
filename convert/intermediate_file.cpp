#include "convert/intermediate_file.h"

#include "app/error.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace quill {

namespace {
constexpr std::size_t kBufferSize = 1 << 18;
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
    : path_(std::move(path)), buffer_(new char[kBufferSize]), capacity_(kBufferSize) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) fail(errno);
    write(header);
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

// A record longer than the buffer grows it: memory follows the longest line,
// never the size of the file.
char* IntermediateFile::room_for(std::size_t length) {
    if (length > capacity_ - used_) {
        flush();
        if (length > capacity_) {
            buffer_.reset(new char[length]);
            capacity_ = length;
        }
    }
    return buffer_.get() + used_;
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
