// How a source file is found in the cycle folder whatever the letter case of its name.
#include "convert/source_files.h"

#include <algorithm>

#include "app/environment.h"

namespace quill {

namespace {

std::string in_folder(const std::string& folder, std::string_view name) {
    std::string path = folder;
    path.push_back(kPathSeparator);
    path.append(name);
    return path;
}

// Source file names are ASCII; other bytes are compared as they are.
bool same_ignoring_case(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// The first entry in name order that matches without regard to case.
std::string find_any_case(const std::string& folder, std::string_view name) {
    std::string best;
    for (const std::string& entry : folder_entries(folder)) {
        if (!same_ignoring_case(entry, name)) continue;
        if (!file_exists(in_folder(folder, entry))) continue;
        if (best.empty() || best > entry) best = entry;
    }
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

std::string source_names() {
    std::string names;
    for (const Category category : kCategories) {
        if (!names.empty()) names += ", ";
        names += source_name(category);
    }
    return names;
}

} // namespace quill
