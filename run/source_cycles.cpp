// How each selected file's cycle is read, and how a mix of cycles is worded.
#include "run/source_cycles.h"

#include "convert/data_cycle.h"
#include "convert/source_files.h"
#include "run/holdings_record.h"

#include <algorithm>

namespace quill {

SelectedCycles read_source_cycles(const std::string& source_folder, const CategorySelection& selected) {
    SelectedCycles cycles;
    for (const Category c : kCategories) {
        if (!selected[index_of(c)]) continue;
        const std::string cycle = data_cycle(source_path(source_folder, source_name(c)));
        cycles[index_of(c)] = cycle.empty() ? kNoCycle : cycle;
    }
    return cycles;
}

std::string mixed_cycles_warning(const SelectedCycles& cycles) {
    const auto first = std::ranges::find_if(cycles, [](const auto& cycle) { return cycle.has_value(); });
    const bool all_agree = std::ranges::all_of(cycles, [&](const auto& cycle) { return !cycle || cycle == *first; });
    if (all_agree) return {};
    std::string files;
    for (const Category c : kCategories) {
        const std::optional<std::string>& cycle = cycles[index_of(c)];
        if (!cycle) continue;
        if (!files.empty()) files += ", ";
        files += std::string(source_name(c)) + " " + *cycle;
    }
    return "Warning: the source files name different data cycles: " + files;
}

} // namespace quill
