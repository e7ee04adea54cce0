// The Windows side of the named pipes, which its file system does not have.
#include "support/temp_dir.h"

#include <stdexcept>

namespace quill::test {

void make_pipe(const std::string& path) {
    throw std::runtime_error("Windows has no named pipes in its file system: " + path);
}

} // namespace quill::test
