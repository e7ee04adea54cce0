#include "run/file_replace.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/error.h"

namespace quill {

namespace {

Error failure(const char* action, const std::string& path) {
    return Error(std::string(action) + " " + path + ": " + std::strerror(errno));
}

// An open file descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return fd_; }
    // Closes now, so that a failing close can be told.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

Descriptor open_source(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw failure("cannot read", path);
    return Descriptor(fd);
}

// The mode of the file being replaced, so the new copy keeps it.
mode_t mode_of(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

bool write_all(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

void copy_contents(const Descriptor& from, const std::string& from_path, const Descriptor& to,
                   const std::string& to_path) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ::read(from.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw failure("cannot read", from_path);
        if (got == 0) return;
        if (!write_all(to.get(), buffer, static_cast<std::size_t>(got))) {
            throw failure("cannot write", to_path);
        }
    }
}

// Makes the rename itself durable; a folder that cannot be synced changes nothing.
void sync_folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

} // namespace

StagedCopy::StagedCopy(const std::string& source, const std::string& target)
    : temporary_(target + ".tmp"), target_(target) {
    const Descriptor from = open_source(source);
    constexpr int kCreate = O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC;
    Descriptor to(::open(temporary_.c_str(), kCreate, mode_of(target)));
    if (to.get() < 0) throw failure("cannot create", temporary_);
    try {
        copy_contents(from, source, to, temporary_);
        if (::fsync(to.get()) != 0 || !to.close()) throw failure("cannot write", temporary_);
    } catch (...) {
        ::unlink(temporary_.c_str());
        throw;
    }
}

StagedCopy::~StagedCopy() {
    if (!committed_) ::unlink(temporary_.c_str());
}

void StagedCopy::commit() {
    if (::rename(temporary_.c_str(), target_.c_str()) != 0) throw failure("cannot replace", target_);
    committed_ = true;
    sync_folder_of(target_);
}

} // namespace quill
