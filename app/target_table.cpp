// Where each product database lies below the application-data folder, and which are installed.
#include "app/target_table.h"

#include "app/environment.h"
#include "app/file_system.h"

namespace quill {

std::string target_folder(const TargetRow& row) {
    std::string folder = application_data_folder();
    folder += kPathSeparator;
    for (const char c : row.folder) folder += c == '/' ? kPathSeparator : c;
    return folder;
}

std::string target_path(const TargetRow& row) {
    return target_folder(row) + kPathSeparator + std::string(row.file);
}

std::optional<std::size_t> first_selected(const TargetSelection& selection) {
    for (std::size_t row = 0; row < kTargetCount; ++row)
        if (selection[row]) return row;
    return std::nullopt;
}

std::size_t count_selected(const TargetSelection& selection) {
    std::size_t count = 0;
    for (const bool selected : selection) count += selected;
    return count;
}

TargetSelection detect_targets() {
    TargetSelection found{};
    for (std::size_t i = 0; i < kTargetCount; ++i)
        found[i] = file_exists(target_path(TargetTable[i]));
    return found;
}

} // namespace quill
