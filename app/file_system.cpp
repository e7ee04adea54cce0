#include "app/file_system.h"

#include <system_error>

namespace quill {

std::filesystem::path fs_path(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8_path(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

bool file_exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(fs_path(path), ignored);
}

bool folder_exists(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_directory(fs_path(path), ignored);
}

bool remove_file(const std::string& path) {
    std::error_code error;
    std::filesystem::remove(fs_path(path), error);
    return !error;
}

} // namespace quill
