#pragma once

#include <string>
#include <string_view>

namespace quill {

// The four source files of a cycle, by their lower-case names.
inline constexpr std::string_view kAirportSource = "apt.dat";
inline constexpr std::string_view kNavaidSource = "earth_nav.dat";
inline constexpr std::string_view kFixSource = "earth_fix.dat";
inline constexpr std::string_view kAirwaySource = "earth_awy.dat";

// True when a file (not a folder; links followed) exists at the path.
bool file_exists(const std::string& path);

// The path of a source file in the folder, found without regard to letter
// case: the exact lower-case name wins, then the first match in name order.
// Without any match, the folder text, a separator and the lower-case name.
std::string source_path(const std::string& folder, std::string_view name);

// True when the folder holds the source file under any letter case.
bool source_exists(const std::string& folder, std::string_view name);

} // namespace quill
