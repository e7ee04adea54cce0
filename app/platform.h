#pragma once

#include <cstdint>
#include <string>

// The few operations whose form differs between POSIX systems and Windows.
// Each has one declaration here and one definition per platform
// (platform_posix.cpp, platform_win32.cpp); nothing else in the program
// calls the operating system directly. Paths are UTF-8.

namespace quill {

// Whether a file that another handle holds open can be replaced by renaming
// a new file over it. POSIX: yes, the holder keeps the old file. Windows: no,
// SQLite opens its files without allowing that.
extern const bool kRenameReplacesOpenFiles;

// An exclusive lock on a lock file, held for the object's life. The
// operating system drops it when the process ends in any way, so a killed
// holder never blocks the next one.
class FileLock {
public:
    // Takes the lock at once, creating the file when needed; false from
    // held() when another process holds it. Throws when the file cannot be
    // opened at all.
    explicit FileLock(const std::string& path);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return held_; }

private:
    std::intptr_t handle_ = -1; // the open lock file: a descriptor or a HANDLE
    bool held_ = false;
};

} // namespace quill
