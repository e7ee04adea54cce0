#include "app/platform.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "app/error.h"

namespace quill {

const bool kRenameReplacesOpenFiles = true;

FileLock::FileLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw Error("Cannot open " + path + ": " + io_error(errno).message());
    handle_ = fd;
    held_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

FileLock::~FileLock() { ::close(static_cast<int>(handle_)); }

} // namespace quill
