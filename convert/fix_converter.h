// The converter of the Waypoints category: earth_fix.dat into earth_fix.csv.
#pragma once

#include <cstddef>
#include <string>

namespace quill {

// earth_fix.dat of the source folder to earth_fix.csv in the work folder
// (which ends with a separator): one record per fix. Gives the fixes written.
std::size_t convert_fixes(const std::string& source_folder, const std::string& work_folder);

} // namespace quill
