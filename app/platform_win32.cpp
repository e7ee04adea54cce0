// The platform layer on Windows: Win32 error texts, share modes, HANDLE files, long paths, the
// roaming folder and UTF-16 console output.
#include "app/platform.h"

#include <windows.h>
#include <shlobj.h>

#include <cwchar>
#include <limits>

#include "app/error.h"
#include "app/wide_text.h"
#include "app/windows_command_line.h"

namespace quill {

const bool kRenameReplacesOpenFiles = false;

namespace {

[[noreturn]] void fail() { throw system_error(static_cast<long>(::GetLastError())); }

// The system's own text for an error code, without the line end and the full
// stop that close it, as it goes into a line of the program's own; empty
// when the system has none.
std::string system_description(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD length = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring description(text, length);
    ::LocalFree(text);
    while (!description.empty() && std::wcschr(L" .\r\n", description.back()))
        description.pop_back();
    return to_utf8(description);
}

std::string utf8(const wchar_t* text, std::size_t count) { return to_utf8({text, count}); }

HANDLE handle_of(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

std::intptr_t open_or_fail(const std::string& path, DWORD access, DWORD share, DWORD disposition,
                           DWORD flags = FILE_ATTRIBUTE_NORMAL) {
    const HANDLE file = ::CreateFileW(to_wide_path(path).c_str(), access, share, nullptr,
                                      disposition, flags, nullptr);
    if (file == INVALID_HANDLE_VALUE) fail();
    return reinterpret_cast<std::intptr_t>(file);
}

// ReadFile and WriteFile take at most a DWORD of bytes at once.
DWORD chunk(std::size_t size) {
    constexpr std::size_t kLargest = 1u << 30;
    return static_cast<DWORD>(size < kLargest ? size : kLargest);
}

// True when another program holds the file open and does not share the
// access asked for with others.
bool sharing_refused(const std::string& path, DWORD access) {
    const HANDLE file = ::CreateFileW(to_wide_path(path).c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
        return false;
    }
    return ::GetLastError() == ERROR_SHARING_VIOLATION;
}

// A console takes at most some thousands of characters at once; a pair of
// surrogates stays together.
void write_console(HANDLE console, std::wstring_view text) {
    constexpr std::size_t kLargest = 8192;
    while (!text.empty()) {
        std::size_t count = text.size() < kLargest ? text.size() : kLargest;
        if (count < text.size() && IS_HIGH_SURROGATE(text[count - 1])) --count;
        DWORD written = 0;
        if (!::WriteConsoleW(console, text.data(), static_cast<DWORD>(count), &written, nullptr) ||
            written == 0)
            return; // nowhere left to tell
        text.remove_prefix(written);
    }
}

// Files and pipes get the line ends of Windows programs, CR LF, as the C
// runtime's text mode gave them.
std::string with_windows_line_ends(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (const char c : text) {
        if (c == '\n') lines += '\r';
        lines += c;
    }
    return lines;
}

void write_bytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data(), chunk(bytes.size()), &written, nullptr) ||
            written == 0)
            return; // nowhere left to tell
        bytes.remove_prefix(written);
    }
}

} // namespace

DatabaseFile database_file(const std::string& path) {
    return {to_utf8(to_wide_path(path)), "win32-longpath"};
}

Error system_error(long code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return io_error(IoFailure::NotFound);
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_DIRECTORY: return io_error(IoFailure::InvalidName);
    case ERROR_TOO_MANY_OPEN_FILES: return io_error(IoFailure::TooManyOpenFiles);
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return io_error(IoFailure::AccessDenied);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return io_error(IoFailure::DiskFull);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return io_error(IoFailure::InUse);
    default: return unmapped_error(system_description(static_cast<DWORD>(code)), code);
    }
}

bool held_without_sharing(const std::string& path) {
    return sharing_refused(path, GENERIC_READ | GENERIC_WRITE);
}

FileLock::FileLock(const std::string& path) {
    const HANDLE file = ::CreateFileW(to_wide_path(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        throw Error("Cannot open " + path + ": " +
                    system_error(static_cast<long>(::GetLastError())).message());
    handle_ = reinterpret_cast<std::intptr_t>(file);
    OVERLAPPED whole_file{};
    held_ = ::LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                         MAXDWORD, &whole_file) != 0;
}

FileLock::~FileLock() { ::CloseHandle(handle_of(handle_)); }

// A folder fails to open already; a device or a pipe is refused by its type.
SystemFile SystemFile::open_to_read(const std::string& path) {
    SystemFile file(open_or_fail(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                 OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN));
    if (::GetFileType(handle_of(file.handle_)) != FILE_TYPE_DISK)
        throw system_error(ERROR_ACCESS_DENIED);
    return file;
}

SystemFile SystemFile::create(const std::string& path) {
    return SystemFile(open_or_fail(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS));
}

// Permissions come from the folder on Windows.
SystemFile SystemFile::create_replacement(const std::string& path, const std::string&) {
    return SystemFile(open_or_fail(path, GENERIC_WRITE, 0, CREATE_ALWAYS));
}

SystemFile::SystemFile(SystemFile&& other) noexcept : handle_(other.handle_) { other.handle_ = -1; }

SystemFile& SystemFile::operator=(SystemFile&& other) noexcept {
    if (this != &other) {
        if (handle_ != -1) ::CloseHandle(handle_of(handle_));
        handle_ = other.handle_;
        other.handle_ = -1;
    }
    return *this;
}

SystemFile::~SystemFile() {
    if (handle_ != -1) ::CloseHandle(handle_of(handle_));
}

std::size_t SystemFile::read(char* buffer, std::size_t size) {
    DWORD got = 0;
    if (!::ReadFile(handle_of(handle_), buffer, chunk(size), &got, nullptr)) fail();
    return got;
}

void SystemFile::skip_to_last(std::size_t bytes) {
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle_of(handle_), &size)) fail();
    LARGE_INTEGER from{};
    from.QuadPart = size.QuadPart > static_cast<LONGLONG>(bytes) ? size.QuadPart - static_cast<LONGLONG>(bytes) : 0;
    if (!::SetFilePointerEx(handle_of(handle_), from, nullptr, FILE_BEGIN)) fail();
}

void SystemFile::write(const char* data, std::size_t size) {
    while (size > 0) {
        DWORD written = 0;
        if (!::WriteFile(handle_of(handle_), data, chunk(size), &written, nullptr)) fail();
        if (written == 0) throw system_error(ERROR_WRITE_FAULT);
        data += written;
        size -= written;
    }
}

void SystemFile::flush_to_disk() {
    if (!::FlushFileBuffers(handle_of(handle_))) fail();
}

void SystemFile::close() {
    if (handle_ == -1) return;
    const HANDLE file = handle_of(handle_);
    handle_ = -1;
    if (!::CloseHandle(file)) fail();
}

// A target that its product holds open, sharing all but its deletion, is
// refused as access denied: it is in use all the same.
void move_replacing(const std::string& from, const std::string& to) {
    if (::MoveFileExW(to_wide_path(from).c_str(), to_wide_path(to).c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return;
    const DWORD code = ::GetLastError();
    if (code == ERROR_ACCESS_DENIED && sharing_refused(to, DELETE))
        throw io_error(IoFailure::InUse);
    throw system_error(static_cast<long>(code));
}

FileStamp file_stamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!::GetFileAttributesExW(to_wide_path(path).c_str(), GetFileExInfoStandard, &info))
        return {};
    const auto join = [](DWORD high, DWORD low) {
        return static_cast<std::int64_t>((static_cast<std::uint64_t>(high) << 32) | low);
    };
    return {join(info.nFileSizeHigh, info.nFileSizeLow),
            join(info.ftLastWriteTime.dwHighDateTime, info.ftLastWriteTime.dwLowDateTime)};
}

std::string environment_variable(const std::string& name) {
    const std::wstring wide_name = to_wide(name);
    std::wstring value(256, L'\0');
    for (;;) {
        const DWORD length = ::GetEnvironmentVariableW(wide_name.c_str(), value.data(),
                                                       static_cast<DWORD>(value.size()));
        if (length == 0) return {};
        if (length < value.size()) return utf8(value.data(), length);
        value.resize(length);
    }
}

void set_environment_variable(const std::string& name, const std::optional<std::string>& value) {
    // Through the C runtime, which keeps its own copy, and so the system's too.
    const std::wstring text = value ? to_wide(*value) : std::wstring();
    ::_wputenv_s(to_wide(name).c_str(), text.c_str());
}

NamedFolder default_data_folder() {
    wchar_t* folder = nullptr;
    const bool found =
        ::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &folder) == S_OK;
    const std::string path = found ? to_utf8(folder) : std::string();
    ::CoTaskMemFree(folder);
    return {path, "the roaming application-data folder"};
}

std::vector<std::string> program_arguments(int, char**) {
    return split_command_line(to_utf8(::GetCommandLineW()));
}

void write_standard(StandardStream stream, std::string_view utf8) {
    const HANDLE handle =
        ::GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) write_console(handle, to_wide(utf8));
    else write_bytes(handle, with_windows_line_ends(utf8));
}

} // namespace quill
