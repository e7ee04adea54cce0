// The eight product databases the program updates, where each one lives, and a run's choice
// among them.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

// One product database the program can update.
struct TargetRow {
    std::string_view key; // name on the headless command line
    std::string_view caption;
    std::string_view folder; // below the application-data folder, '/' between levels
    std::string_view file;
};

inline constexpr std::size_t kTargetCount = 8;

// Table order: detection tests, seeding searches and publishing copies in it.
inline constexpr std::array<TargetRow, kTargetCount> TargetTable{{
    {"skelmar-builder", "Skelmar Builder", "Orvanel/Skelmar Builder", "GPS.DB"},
    {"skelmar-console", "Skelmar Console", "Orvanel/Skelmar Console", "GPS.DB"},
    {"efis-brannock", "EFIS Brannock Moving Map", "Halvern/Corvistan/NavData", "GPS.DB"},
    {"efis-gps", "Brannock EFIS GPS", "Halvern/Corvistan/NavDataGPSEFIS", "GPSEFIS.DB"},
    {"mfd-gps", "Brannock MFD GPS", "Halvern/Corvistan/NavDataGPSMFD", "GPSMFD.DB"},
    {"efis-brannock3", "Brannock 3 EFIS Moving Map", "Orvanel/Brannock3/NavData", "GPS.DB"},
    {"efis-gps3", "Brannock 3 EFIS GPS", "Orvanel/Brannock3/NavDataGPSEFIS", "GPSEFIS.DB"},
    {"mfd-gps3", "Brannock 3 MFD GPS", "Orvanel/Brannock3/NavDataGPSMFD", "GPSMFD.DB"},
}};

// Which targets a run writes, indexed by table row.
using TargetSelection = std::array<bool, kTargetCount>;

// How many targets the selection holds.
std::size_t count_selected(const TargetSelection& selection);
// The first row the selection holds, in table order.
std::optional<std::size_t> first_selected(const TargetSelection& selection);

// The folder and the full path of a row's database, formed from the
// application-data folder as it is now.
std::string target_folder(const TargetRow& row);
std::string target_path(const TargetRow& row);

// For each row, whether its database file exists (links followed).
TargetSelection detect_targets();

} // namespace quill
