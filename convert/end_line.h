// Tells a source file that was cut short, in a download or a copy, from a complete one.
#pragma once

#include <string>

namespace quill {

// Whether a source file's last line, blanks and line ends aside, is the end
// line "99" that closes every complete X-Plane data file: a file without it
// has most likely been cut short. Only the file's end is read. Throws the
// system's reason when the file cannot be read.
bool ends_with_end_line(const std::string& path);

} // namespace quill
