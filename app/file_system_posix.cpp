// The file system on POSIX systems, on the calls of std::filesystem that report rather than throw.
#include "app/file_system.h"

#include <filesystem>
#include <system_error>

#include "app/error.h"
#include "app/platform.h"

namespace quill {

namespace fs = std::filesystem;

// POSIX paths are bytes, and the program's UTF-8 goes through as it is.

bool file_exists(const std::string& path) {
    std::error_code ignored;
    return fs::is_regular_file(path, ignored);
}

bool folder_exists(const std::string& path) {
    std::error_code ignored;
    return fs::is_directory(path, ignored);
}

bool is_marked_read_only(const std::string& path) {
    std::error_code ignored;
    const fs::file_status status = fs::status(path, ignored);
    return fs::exists(status) && (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool anything_exists(const std::string& path) {
    std::error_code ignored;
    return fs::exists(path, ignored);
}

bool remove_file(const std::string& path) {
    std::error_code error;
    fs::remove(path, error);
    return !error;
}

bool make_folder(const std::string& path) {
    std::error_code ignored;
    fs::create_directory(path, ignored);
    return folder_exists(path);
}

void link_or_copy_file(const std::string& from, const std::string& to) {
    std::error_code no_link;
    fs::create_hard_link(from, to, no_link);
    if (!no_link) return;
    std::error_code failed;
    fs::copy_file(from, to, failed);
    if (failed) throw system_error(failed.value());
}

std::vector<std::string> folder_entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code failed;
    for (fs::directory_iterator entries(folder, failed), end; !failed && entries != end;
         entries.increment(failed))
        names.push_back(entries->path().filename().string());
    return names;
}

} // namespace quill
