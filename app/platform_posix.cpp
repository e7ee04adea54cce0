// The platform layer on POSIX systems: errno texts, flock lock files, descriptors, rename and the
// XDG data home.
#include "app/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/error.h"

namespace quill {

const bool kRenameReplacesOpenFiles = true;

namespace {

[[noreturn]] void fail() { throw system_error(errno); }

int descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

std::intptr_t open_or_fail(const std::string& path, int flags, mode_t mode = 0) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    if (fd < 0) fail();
    return fd;
}

// The permission bits of the file, or the usual ones when there is none.
mode_t mode_of(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0644;
}

// Makes a rename in the folder durable; a folder that cannot be synced changes nothing.
void sync_folder_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The user's home folder: HOME, or else the account's folder.
std::string home_folder() {
    std::string home = environment_variable("HOME");
    if (!home.empty()) return home;
    const passwd* user = ::getpwuid(::getuid());
    return user && user->pw_dir ? user->pw_dir : "";
}

} // namespace

Error system_error(long code) {
    switch (code) {
    case ENOENT: return io_error(IoFailure::NotFound);
    case ENAMETOOLONG:
    case ENOTDIR:
    case EINVAL: return io_error(IoFailure::InvalidName);
    case EMFILE:
    case ENFILE: return io_error(IoFailure::TooManyOpenFiles);
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return io_error(IoFailure::AccessDenied);
    case ENOSPC:
    case EDQUOT: return io_error(IoFailure::DiskFull);
    case ETXTBSY: return io_error(IoFailure::InUse);
    default: return unmapped_error(std::strerror(static_cast<int>(code)), code);
    }
}

bool held_without_sharing(const std::string&) { return false; }

DatabaseFile database_file(const std::string& path) { return {path, nullptr}; }

FileLock::FileLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) throw Error("Cannot open " + path + ": " + system_error(errno).message());
    handle_ = fd;
    held_ = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
}

FileLock::~FileLock() { ::close(descriptor(handle_)); }

SystemFile SystemFile::open_to_read(const std::string& path) {
    // Opened without blocking, so that a pipe is refused instead of waiting for a writer.
    SystemFile file(open_or_fail(path, O_RDONLY | O_NONBLOCK));
    const int fd = descriptor(file.handle_);
    struct stat status {};
    if (::fstat(fd, &status) != 0) fail();
    if (!S_ISREG(status.st_mode)) throw system_error(EISDIR);
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return file;
}

SystemFile SystemFile::create(const std::string& path) {
    return SystemFile(open_or_fail(path, O_WRONLY | O_CREAT | O_TRUNC, 0644));
}

SystemFile SystemFile::create_replacement(const std::string& path, const std::string& replaced) {
    return SystemFile(open_or_fail(path, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, mode_of(replaced)));
}

SystemFile::SystemFile(SystemFile&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        if (handle_ >= 0) ::close(descriptor(handle_));
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

SystemFile::~SystemFile() {
    if (handle_ >= 0) ::close(descriptor(handle_));
}

std::size_t SystemFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(descriptor(handle_), buffer, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) fail();
    }
}

void SystemFile::skip_to_last(std::size_t bytes) {
    struct stat status {};
    if (::fstat(descriptor(handle_), &status) != 0) fail();
    const off_t size = status.st_size;
    const off_t from = size > static_cast<off_t>(bytes) ? size - static_cast<off_t>(bytes) : 0;
    if (::lseek(descriptor(handle_), from, SEEK_SET) < 0) fail();
}

void SystemFile::write(const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(descriptor(handle_), data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) fail();
        if (written == 0) throw system_error(EIO);
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}

void SystemFile::flush_to_disk() {
    if (::fsync(descriptor(handle_)) != 0) fail();
}

void SystemFile::close() {
    if (handle_ < 0) return;
    const int fd = descriptor(handle_);
    handle_ = -1;
    if (::close(fd) != 0) fail();
}

void move_replacing(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) fail();
    sync_folder_of(to);
}

FileStamp file_stamp(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return {static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
}

std::string environment_variable(const std::string& name) {
    const char* value = std::getenv(name.c_str());
    return value ? value : "";
}

void set_environment_variable(const std::string& name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name.c_str(), value->c_str(), 1);
    else
        ::unsetenv(name.c_str());
}

NamedFolder default_data_folder() {
    std::string folder = environment_variable("XDG_DATA_HOME");
    if (folder.empty()) folder = home_folder() + "/.local/share";
    return {folder, "the XDG data home"};
}

std::vector<std::string> program_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void write_standard(StandardStream stream, std::string_view utf8) {
    const int fd = stream == StandardStream::Output ? STDOUT_FILENO : STDERR_FILENO;
    while (!utf8.empty()) {
        const ssize_t written = ::write(fd, utf8.data(), utf8.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return; // nowhere left to tell
        utf8.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace quill
