// Finds the cycle's source files in the folder the user chose.
#pragma once

#include <string>
#include <string_view>

#include "app/categories.h"
#include "app/file_system.h"

namespace quill {

// The path of a source file in the folder, found without regard to letter
// case: the exact lower-case name wins, then the first match in name order;
// only regular files (or links to them) match.
// Without any match, the folder text, a separator and the lower-case name.
std::string source_path(const std::string& folder, std::string_view name);

// True when the folder holds the source file under any letter case, as a
// regular file or a link to one: a pipe or a device is never a source file.
bool source_exists(const std::string& folder, std::string_view name);

// The four names as messages list them: "apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat".
std::string source_names();

} // namespace quill
