// What a run tells the user about the cycle's files before converting them.
#pragma once

#include "app/categories.h"
#include "app/target_table.h"
#include "run/source_cycles.h"

#include <optional>
#include <string>
#include <vector>

namespace quill {

// A warning about the selected source files, told before the first
// conversion; `file` is the category whose file it is about, none when it is
// about the files together.
struct SourceWarning {
    std::optional<Category> file;
    std::string text;
};

// The selected source files as a run finds them before converting.
struct SourceFindings {
    SelectedCycles cycles;
    std::vector<SourceWarning> warnings;
};

// Looks at every selected source file before anything is converted: one that
// cannot be read ends the run with "Cannot read <path>: <reason>". Warns when
// the files name different data cycles, when a file lacks its end line "99"
// (it may have been cut short), and when a file's cycle is older than the one
// the work folder's record says a selected target holds.
SourceFindings examine_sources(const std::string& source_folder, const CategorySelection& selected,
                              const TargetSelection& targets, const std::string& work_folder);

} // namespace quill
