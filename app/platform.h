#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The few operations whose form differs between POSIX systems and Windows.
// Each has one declaration here and one definition per platform
// (platform_posix.cpp, platform_win32.cpp); the file system's operations are
// declared in file_system.h alike. Nothing else in the program calls the
// operating system directly. Paths and texts are UTF-8; the Windows
// side turns them into UTF-16 at the system's boundary. Failures throw
// quill::Error with the program's own texts ("File not found", "Disk full"),
// the same on every system; the caller adds the file and line it knows.

namespace quill {

class Error;

// The program's error for a system error code (errno on POSIX systems, a
// Win32 error code on Windows): io_error's text for a condition the program
// names, otherwise the system's own description with the code.
Error system_error(long code);

// True when another program holds the file open without sharing it for
// reading and writing, so that no other program can open it to write:
// Windows' share modes. Never on POSIX systems, which have none.
bool held_without_sharing(const std::string& path);

// Whether a file that another handle holds open can be replaced by renaming
// a new file over it. POSIX: yes, the holder keeps the old file. Windows: no,
// SQLite opens its files without allowing that.
extern const bool kRenameReplacesOpenFiles;

// How SQLite is to be given a database file: its path in the form the
// system's file functions take, and the name of SQLite's file layer (VFS)
// that takes that form, nullptr for SQLite's default. On Windows the "\\?\"
// form of the absolute path with SQLite's "win32-longpath" layer, so that
// neither Windows' 260 characters nor the default layer's 1040 bytes limit
// the path.
struct DatabaseFile {
    std::string path;
    const char* file_layer = nullptr;
};
DatabaseFile database_file(const std::string& path);

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

// An open file, read or written as raw bytes in the caller's blocks: no text
// translation, so CR LF line ends stay as they are. Closed when it goes.
class SystemFile {
public:
    // Opens an existing file for reading; other programs may read it too.
    // Only a regular file (or a link to one) is opened: a pipe or a device
    // could keep a reader waiting or reading for ever, so it fails as access
    // denied, like a folder.
    static SystemFile open_to_read(const std::string& path);
    // Creates the file for writing, emptying an older one.
    static SystemFile create(const std::string& path);
    // Creates the file that will replace `replaced`: on POSIX systems it takes
    // that file's permissions, and a link already at the path is not followed.
    static SystemFile create_replacement(const std::string& path, const std::string& replaced);

    SystemFile(SystemFile&& other) noexcept;
    SystemFile& operator=(SystemFile&& other) noexcept;
    ~SystemFile();

    // Reads up to `size` bytes; 0 at the end of the file.
    std::size_t read(char* buffer, std::size_t size);
    // Moves the reading position to the last `bytes` bytes of the file (to its
    // start when it is shorter), so that only its end is read.
    void skip_to_last(std::size_t bytes);
    // Writes all the bytes.
    void write(const char* data, std::size_t size);
    // Writes the file's data through the system's caches to the disk.
    void flush_to_disk();
    // Closes the file now, so that a failing close is told; a closed file
    // stays closed.
    void close();

private:
    explicit SystemFile(std::intptr_t handle) : handle_(handle) {}

    std::intptr_t handle_ = -1; // a descriptor or a HANDLE; -1 when closed
};

// Reads up to `bytes` bytes from the reading position: fewer only at the
// end of the file.
inline std::string read_up_to(SystemFile& file, std::size_t bytes) {
    std::string text(bytes, '\0');
    std::size_t size = 0;
    while (size < bytes) {
        const std::size_t got = file.read(text.data() + size, bytes - size);
        if (got == 0) break;
        size += got;
    }
    text.resize(size);
    return text;
}

// Moves a file over another in one step, replacing it, and makes the move
// durable. A target that another program holds open and the system will not
// let go is reported as "in use by another program".
void move_replacing(const std::string& from, const std::string& to);

// A file's size and last modification time in the system's finest unit
// (nanoseconds on POSIX, 100-nanosecond ticks on Windows): together they
// tell whether anything wrote the file since they were taken. Both 0 for a
// file that cannot be read.
struct FileStamp {
    std::int64_t size = 0;
    std::int64_t time = 0;
    bool operator==(const FileStamp&) const = default;
};
FileStamp file_stamp(const std::string& path);

// The value of an environment variable; empty when it is not set or empty.
std::string environment_variable(const std::string& name);
// Sets an environment variable of this process, or removes it for nullopt.
void set_environment_variable(const std::string& name, const std::optional<std::string>& value);

// The folder below which the products keep their data when APPDATA names
// none, and the name messages give it: on POSIX systems the XDG data home
// ($XDG_DATA_HOME, by default ~/.local/share), on Windows the roaming
// application-data known folder, whatever the environment says.
struct NamedFolder {
    std::string path;
    std::string name;
};
NamedFolder default_data_folder();

// The program's parameters as the user gave them, without the program's own
// path: on Windows split from the system's UTF-16 command line
// (split_command_line), so that a quoted folder ending in a backslash is
// that folder.
std::vector<std::string> program_arguments(int argc, char** argv);
// Writes UTF-8 text to the program's standard output or standard error. To a
// console it shows as that text, letters beyond ASCII too, whatever the
// console's code page, which is left as the user set it (Windows writes
// UTF-16 through WriteConsoleW); to a file or a pipe it goes as the very
// UTF-8 bytes given, each line end on Windows as CR LF, as the C runtime
// wrote it. A text cut inside a letter writes the part it has.
enum class StandardStream { Output, Error };
void write_standard(StandardStream stream, std::string_view utf8);

} // namespace quill
