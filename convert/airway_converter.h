// The converter of the Airways category: earth_awy.dat into its low and high intermediate files.
#pragma once

#include <cstddef>
#include <string>

namespace quill {

// earth_awy.dat of the source folder to earth_awy_Low.csv and
// earth_awy_High.csv in the work folder (which ends with a separator): two
// records, one per end point, for each low or high segment. Gives the
// segments written.
std::size_t convert_airways(const std::string& source_folder, const std::string& work_folder);

} // namespace quill
