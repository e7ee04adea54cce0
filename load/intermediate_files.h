// The intermediate files a run leaves in the work folder, so that they can be cleared away.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quill {

// The twenty intermediate files of a run, in the order they are deleted.
inline constexpr std::array<std::string_view, 20> kIntermediateFiles{
    "apt_AirportComms.csv",    "apt_AirportInfo.csv",       "apt_Heli.csv",
    "apt_Land.csv",            "apt_Water.csv",             "earth_awy_High.csv",
    "earth_awy_Low.csv",       "earth_fix.csv",             "earth_nav_dme.csv",
    "earth_nav_glideslope.csv", "earth_nav_localizer.csv",  "earth_nav_markerbeacon.csv",
    "earth_nav_ndb.csv",       "earth_nav_ndbdme.csv",      "earth_nav_tacan.csv",
    "earth_nav_vor.csv",       "earth_nav_vordme.csv",      "earth_nav_vortac.csv",
    "earth_nav_FPAP.csv",      "earth_nav_LTP.csv"};

// Deletes each of them that exists in the work folder (which ends with a
// separator); failures are ignored.
void delete_intermediate_files(const std::string& work_folder);

} // namespace quill
