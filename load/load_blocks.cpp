// The table of load blocks: each intermediate file's table, progress line and columns by field.
#include "load/load_blocks.h"

namespace quill {

namespace {

constexpr ColumnSource number(std::string_view column, std::size_t field) {
    return {column, ValueKind::Number, field};
}
constexpr ColumnSource text(std::string_view column, std::size_t field) {
    return {column, ValueKind::Text, field};
}
constexpr ColumnSource position(std::string_view column) { return {column, ValueKind::Position, 0}; }

// 1|40.00000000|-100.00000000|09/27|XAPT|EXAMPLE FIELD|1200|1
constexpr std::array kRunway{number("ShapeID", 0),     number("Latitude", 1),   number("Longitude", 2),
                             text("Runway", 3),        text("AirportID", 4),    text("AirportName", 5),
                             text("Elevation", 6),     text("HasTower", 7)};
// XAPT|TWR|118.325
constexpr std::array kComms{text("AirportID", 0), text("FreqName", 1), text("Frequency", 2)};
// XAPT|Land|40|-99.99|EXAMPLE FIELD|1200|1
constexpr std::array kInfo{text("AirportID", 0),   text("AirportType", 1), number("Latitude", 2),
                           number("Longitude", 3), text("AirportName", 4), text("Elevation", 5),
                           text("HasTower", 6)};
// 1|47.4|-122.3|400|ABC|ALPHA NDB|NDB|350
constexpr std::array kNdb{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                          text("Elevation", 3), text("NDBID", 4),      text("NDBName", 5),
                          text("Frequency", 7)};
// 1|47.4|-122.3|400|KLM|KILO VOR|VOR|11630|19.0
constexpr std::array kVor{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                          text("Elevation", 3), text("VORID", 4),      text("VORName", 5),
                          text("Frequency", 7), text("MagVar", 8)};
// 1|47.4|-122.3|400|KLM|KILO DME|DME|11630
constexpr std::array kDme{text("DMEType", 6),   number("ShapeID", 0), number("Latitude", 1),
                          number("Longitude", 2), text("Elevation", 3), text("DMEID", 4),
                          text("DMEName", 5),   text("Frequency", 7)};
// 7|47.5|-122.25|ABCDE
constexpr std::array kFix{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                          text("WPTName", 3)};
// 3|||ABCDE|WPT|J13-J15|180|450|High; the airway loader sets these in this order.
constexpr std::array kAirway{number("ShapeID", 0), position("Latitude"), position("Longitude"),
                             text("FixName", 3), text("Segment", 5)};
// 1|47.4|-122.3|400|KSEA|ISEA|16L|11030|18|163.5|ILS-CAT-I
constexpr std::array kLocalizer{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                                text("Elevation", 3), text("AirportID", 4),  text("LocalizerID", 5),
                                text("Runway", 6),    text("Frequency", 7),  text("RangeNM", 8),
                                text("LocalizerBearing", 9), text("LocalizerName", 10)};
// 1|47.4|-122.3|400|KSEA|ISEA|16L|11030|10|163.5|3.00|GS
constexpr std::array kGlideslope{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                                 text("Elevation", 3), text("AirportID", 4),  text("GlideslopeID", 5),
                                 text("Runway", 6),    text("Frequency", 7),  text("RangeNM", 8),
                                 text("LocalizerBearing", 9), text("GlideslopeAngle", 10),
                                 text("GlideslopeName", 11)};
// OM|1|47.4|-122.3|400|ISEA|KSEA|16L|OM: the beacon type comes first.
constexpr std::array kMarker{text("BeaconType", 0), number("ShapeID", 1), number("Latitude", 2),
                             number("Longitude", 3), text("Elevation", 4), text("LocalizerID", 5),
                             text("AirportID", 6),  text("Runway", 7),    text("BeaconName", 8)};
// 1|47.4|-122.3|400|12.0|KSEA|R16LY|16L|163.5|56789|LP
constexpr std::array kFpap{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                           text("Elevation", 3), text("LengthOffset", 4), text("AirportID", 5),
                           text("ApproachProcedureID", 6), text("Runway", 7), text("ApproachCourse", 8),
                           text("WAASChannel", 9), text("PerformanceID", 10)};
// 1|47.4|-122.3|400|50.0|KSEA|R16LY|16L|163.5|3.00|56789|WAAS
constexpr std::array kLtp{number("ShapeID", 0), number("Latitude", 1), number("Longitude", 2),
                          text("Elevation", 3), text("CrossingHeight", 4), text("AirportID", 5),
                          text("ApproachProcedureID", 6), text("Runway", 7), text("ApproachCourse", 8),
                          text("GlidesPathAngle", 9), text("WAASChannel", 10), text("ProviderName", 11)};

constexpr auto kRows = BlockKind::Rows;

} // namespace

const std::array<LoadBlock, kLoadBlockCount> kLoadBlocks{{
    {"apt_Land.csv", "Loading Airports (Land)...",
     WorkTable::Airport, kRows, "AirportType", "Land", kRunway},
    {"apt_Water.csv", "Loading Airports (Water)...",
     WorkTable::Airport, kRows, "AirportType", "Water", kRunway},
    {"apt_Heli.csv", "Loading Airports (Heliports)...",
     WorkTable::Airport, kRows, "AirportType", "Heli", kRunway},
    {"apt_AirportComms.csv", "Loading Airport Comms...",
     WorkTable::AirportComms, kRows, {}, {}, kComms},
    {"apt_AirportInfo.csv", "Loading Airport Info...",
     WorkTable::AirportInfo, kRows, {}, {}, kInfo},
    {"earth_nav_ndb.csv", "Loading Nav NDBs...",
     WorkTable::NDB, kRows, "NDBType", "NDB", kNdb},
    {"earth_nav_ndbdme.csv", "Loading Nav NDB-DMEs...",
     WorkTable::NDB, kRows, "NDBType", "NDB-DME", kNdb},
    {"earth_nav_vor.csv", "Loading Nav VORs...",
     WorkTable::VOR, kRows, "VORType", "VOR", kVor},
    {"earth_nav_vordme.csv", "Loading Nav VOR-DMEs...",
     WorkTable::VOR, kRows, "VORType", "VOR-DME", kVor},
    {"earth_nav_vortac.csv", "Loading Nav VORTACs...",
     WorkTable::VOR, kRows, "VORType", "VORTAC", kVor},
    {"earth_nav_tacan.csv", "Loading Nav TACANs...",
     WorkTable::VOR, kRows, "VORType", "TACAN", kVor},
    {"earth_nav_dme.csv", "Loading Nav DMEs...",
     WorkTable::DME, kRows, {}, {}, kDme},
    {"earth_fix.csv", "Loading Waypoints/Fixes...",
     WorkTable::WPT, kRows, {}, {}, kFix},
    {"earth_awy_High.csv", "Loading Airways (High)...",
     WorkTable::Airway, BlockKind::Airways, "AirwayType", "High", kAirway},
    {"earth_awy_Low.csv", "Loading Airways (Low)...",
     WorkTable::Airway, BlockKind::Airways, "AirwayType", "Low", kAirway},
    {"earth_nav_localizer.csv", "Loading Localizers...",
     WorkTable::Localizer, kRows, {}, {}, kLocalizer},
    {"earth_nav_glideslope.csv", "Loading Glideslopes...",
     WorkTable::Glideslope, kRows, {}, {}, kGlideslope},
    {"earth_nav_markerbeacon.csv", "Loading Marker Beacons...",
     WorkTable::MarkerBeacon, kRows, {}, {}, kMarker},
    {"earth_nav_FPAP.csv", "Loading FPAPs...",
     WorkTable::FPAP, kRows, {}, {}, kFpap},
    {"earth_nav_LTP.csv", "Loading LTPs...",
     WorkTable::LTP, kRows, {}, {}, kLtp},
}};

std::vector<std::string_view> column_names(const LoadBlock& block) {
    std::vector<std::string_view> names;
    if (!block.type_column.empty()) names.push_back(block.type_column);
    for (const ColumnSource& source : block.columns) names.push_back(source.column);
    return names;
}

} // namespace quill
