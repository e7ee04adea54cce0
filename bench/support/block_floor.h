// The floors the converters and whole runs are measured against: reading the source files, and
// little else.
#pragma once

#include <cstdint>
#include <string>

namespace quill::bench {

struct FloorResult {
    long long lines = 0;
    long long fields = 0;
    // Depends on every field offset, so the compiler cannot skip the split.
    std::uint64_t checksum = 0;
};

// The least any converter of a source file has to do: read the file in large
// blocks and split every line at blanks into field offsets, with no
// allocation per line. Converters are measured against its time.
FloorResult read_and_split(const std::string& path);

// Less still, the least a whole run does per source file: read it in the same
// blocks and find its line ends. Gives the number of lines.
long long count_lines(const std::string& path);

} // namespace quill::bench
