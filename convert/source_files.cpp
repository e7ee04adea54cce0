#include "convert/source_files.h"

#include <dirent.h>
#include <strings.h>

namespace quill {

namespace {

std::string in_folder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path.push_back('/');
    path.append(name);
    return path;
}

// The first entry in name order that matches without regard to case.
std::string find_any_case(const std::string& folder, std::string_view name) {
    std::string best;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return best;
    const std::string wanted(name);
    while (const dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, wanted.c_str()) != 0) continue;
        if (!file_exists(in_folder(folder, entry->d_name))) continue;
        if (best.empty() || best > entry->d_name) best = entry->d_name;
    }
    ::closedir(dir);
    return best;
}

} // namespace

std::string source_path(const std::string& folder, std::string_view name) {
    std::string exact = in_folder(folder, name);
    if (file_exists(exact)) return exact;
    const std::string found = find_any_case(folder, name);
    return found.empty() ? exact : in_folder(folder, found);
}

bool source_exists(const std::string& folder, std::string_view name) {
    return file_exists(source_path(folder, name));
}

} // namespace quill
