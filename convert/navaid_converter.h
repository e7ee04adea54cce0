// The converter of the Nav Aids category: earth_nav.dat into twelve intermediate files.
#pragma once

#include <cstddef>
#include <string>

namespace quill {

// Converts earth_nav.dat of the source folder into the twelve earth_nav_*.csv
// files in the work folder (which ends with a separator), one per kind of
// navaid. A line that a kind takes but that lacks a field it reads ends the
// conversion with an error naming the source file and line. Gives the navaids
// written.
std::size_t convert_navaids(const std::string& source_folder, const std::string& work_folder);

} // namespace quill
