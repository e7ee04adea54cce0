// Captured output on POSIX systems: the descriptor of standard output duplicated over.
#include "support/captured_output.h"

#include <cstdio>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace quill::test {

CapturedOutput::CapturedOutput(const std::string& file) : saved_(-1), capture_(-1) {
    std::fflush(stdout);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) throw std::runtime_error("cannot create " + file);
    saved_ = ::dup(STDOUT_FILENO);
    ::dup2(fd, STDOUT_FILENO);
    ::close(fd);
}

CapturedOutput::~CapturedOutput() {
    std::fflush(stdout);
    ::dup2(static_cast<int>(saved_), STDOUT_FILENO);
    ::close(static_cast<int>(saved_));
}

} // namespace quill::test
