#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quill {

// Paths are UTF-8 text everywhere in the program; these two turn them into
// the file system's own form and back (UTF-16 on Windows).
std::filesystem::path fs_path(std::string_view utf8);
std::string utf8_path(const std::filesystem::path& path);

// True when a regular file, or a link to one, is at the path. Folders,
// devices and pipes are not files the program reads or replaces.
bool file_exists(const std::string& path);

// True when a folder, or a link to one, is at the path.
bool folder_exists(const std::string& path);

// Removes a file; true when none is left at the path.
bool remove_file(const std::string& path);

} // namespace quill
