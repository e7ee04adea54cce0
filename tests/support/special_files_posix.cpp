// Named pipes for the tests that a source file is never a pipe, on POSIX systems.
#include "support/temp_dir.h"

#include <stdexcept>
#include <sys/stat.h>

namespace quill::test {

void make_pipe(const std::string& path) {
    if (::mkfifo(path.c_str(), 0600) != 0) throw std::runtime_error("mkfifo failed: " + path);
}

} // namespace quill::test
