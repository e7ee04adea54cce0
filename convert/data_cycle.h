// The cycle a source file belongs to, which the program records and shows for each category.
#pragma once

#include <string>

namespace quill {

// The data cycle that a source file's version line names ("1101 Version -
// data cycle 2606, ..." gives "2606"); empty when none is found at the top.
std::string data_cycle(const std::string& path);

} // namespace quill
