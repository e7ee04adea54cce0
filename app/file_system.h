#pragma once

#include <string>
#include <vector>

// The file system as the program uses it, part of the platform layer: paths
// are UTF-8 text, and each system's side (file_system_posix.cpp,
// file_system_win32.cpp) hands them to the system in its own form; on
// Windows as UTF-16, an absolute path in the "\\?\" form, so that paths of
// 260 characters and more work. Links are followed.

namespace quill {

// True when a regular file, or a link to one, is at the path. Folders,
// devices and pipes are not files the program reads or replaces.
bool file_exists(const std::string& path);

// True when a folder, or a link to one, is at the path.
bool folder_exists(const std::string& path);

// True when the file at the path is marked read-only: its owner may not
// write it (POSIX), or it has the read-only attribute (Windows).
bool is_marked_read_only(const std::string& path);

// True when anything is at the path: a file, a folder, a device or a pipe.
bool anything_exists(const std::string& path);

// Removes a file; true when none is left at the path.
bool remove_file(const std::string& path);

// Creates the last folder of the path; true when a folder is there afterwards.
bool make_folder(const std::string& path);

// Gives the file `from` a second name `to`, a hard link, where the file
// system allows it, or makes `to` a copy of it otherwise; `to` must not
// exist. Throws quill::Error with the system's reason.
void link_or_copy_file(const std::string& from, const std::string& to);

// The names of the entries of a folder, "." and ".." left out, in no
// particular order; none when the folder cannot be read.
std::vector<std::string> folder_entries(const std::string& folder);

} // namespace quill
