// The file system on Windows: long UTF-16 paths, and files opened for no access, so that one held
// open without sharing is still seen.
#include "app/file_system.h"

#include <windows.h>

#include <optional>

#include "app/error.h"
#include "app/platform.h"
#include "app/wide_text.h"

namespace quill {

namespace {

// What is at the path, a link followed, opened for no access: this works on
// a file that another program holds open without sharing it too.
HANDLE open_for_no_access(const std::string& path) {
    return ::CreateFileW(to_wide_path(path).c_str(), 0,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The attributes of what is at the path; none when nothing is there, or a
// device or a pipe, which have none of a file on disk.
std::optional<DWORD> attributes_of(const std::string& path) {
    const HANDLE file = open_for_no_access(path);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information{};
    const bool known = ::GetFileInformationByHandle(file, &information);
    ::CloseHandle(file);
    if (!known) return std::nullopt;
    return information.dwFileAttributes;
}

} // namespace

bool file_exists(const std::string& path) {
    const std::optional<DWORD> attributes = attributes_of(path);
    return attributes && !(*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool folder_exists(const std::string& path) {
    const std::optional<DWORD> attributes = attributes_of(path);
    return attributes && (*attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool is_marked_read_only(const std::string& path) {
    const std::optional<DWORD> attributes = attributes_of(path);
    return attributes && (*attributes & FILE_ATTRIBUTE_READONLY);
}

bool anything_exists(const std::string& path) {
    const HANDLE file = open_for_no_access(path);
    if (file == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(file);
    return true;
}

bool remove_file(const std::string& path) {
    if (::DeleteFileW(to_wide_path(path).c_str())) return true;
    const DWORD code = ::GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND;
}

bool make_folder(const std::string& path) {
    ::CreateDirectoryW(to_wide_path(path).c_str(), nullptr);
    return folder_exists(path);
}

void link_or_copy_file(const std::string& from, const std::string& to) {
    const std::wstring source = to_wide_path(from);
    const std::wstring copy = to_wide_path(to);
    if (::CreateHardLinkW(copy.c_str(), source.c_str(), nullptr)) return;
    if (!::CopyFileW(source.c_str(), copy.c_str(), TRUE))
        throw system_error(static_cast<long>(::GetLastError()));
}

std::vector<std::string> folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry{};
    std::wstring pattern = to_wide_path(folder);
    if (!pattern.ends_with(L'\\')) pattern += L'\\';
    pattern += L'*';
    const HANDLE search = ::FindFirstFileW(pattern.c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring_view name(entry.cFileName);
        if (name != L"." && name != L"..") names.push_back(to_utf8(name));
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
    return names;
}

} // namespace quill
