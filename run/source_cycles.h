// The data cycles of the source files a run takes, and the warning when they differ.
#pragma once

#include "app/categories.h"

#include <array>
#include <optional>
#include <string>

namespace quill {

// The data cycle each selected category's source file names in its version
// line ("none" when it names none); nothing for a category not selected.
using SelectedCycles = std::array<std::optional<std::string>, kCategoryCount>;

SelectedCycles read_source_cycles(const std::string& source_folder, const CategorySelection& selected);

// "Warning: the source files name different data cycles: apt.dat 2601,
// earth_fix.dat 2606", every selected file in category order; empty when
// fewer than two are selected or all name the same cycle.
std::string mixed_cycles_warning(const SelectedCycles& cycles);

} // namespace quill
