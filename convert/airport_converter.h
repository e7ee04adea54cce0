// The converter of the Airports category: apt.dat into five intermediate files.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace quill {

// Converts apt.dat of the source folder into apt_Land.csv, apt_Heli.csv,
// apt_Water.csv, apt_AirportComms.csv and apt_AirportInfo.csv in the work
// folder (which ends with a separator). A row that fails is reported with
// its text and the conversion goes on with the next line; what the row did
// before it failed stands. Failures of the files themselves end the conversion.
// Gives the airports written.
std::size_t convert_airports(const std::string& source_folder, const std::string& work_folder,
                     const std::function<void(const std::string& message)>& report_line_error);

} // namespace quill
