// The kinds of earth_nav.dat line the navaid converter takes, and the fields each row holds.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace quill {

// The kinds of navaid, each with a file of its own, in the order the files are made.
enum class NavaidKind : std::size_t {
    Ndb,
    NdbDme,
    Vor,
    VorDme,
    Vortac,
    Tacan,
    Dme,
    Localizer,
    Glideslope,
    MarkerBeacon,
    Fpap,
    Ltp,
};
inline constexpr std::size_t kNavaidKindCount = 12;

// The kind of a line from its row code (field 0) and its type field (the
// last field); none for a line that no rule takes, such as a version line,
// row 15 or a VOR whose type is "VOR-DME". Compared exactly, case included.
std::optional<NavaidKind> navaid_kind(std::string_view code, std::string_view type);

// Field positions of earth_nav.dat; rows differ in what some of them hold.
//   2   47.63252778 -122.38952778     0   362  25    0.000 BF  ENRT K1 NOLLA NDB
//   3   47.43538889 -122.30961111   354 11680 130   19.000 SEA ENRT K1 SEATTLE VORTAC
//   12  47.43538889 -122.30961111   354 11680 130    0.000 SEA ENRT K1 SEATTLE VORTAC DME
//   4   47.42939200 -122.30805600   338 11030  18  180.343 ISNQ KSEA K1 16L ILS-cat-III
//   6   47.46081700 -122.30939400   425 11030  10 300180.343 ISNQ KSEA K1 16L GS
//   7   47.53830000 -122.30800000     0     0   0  180.343 ISNQ KSEA K1 16L OM
//   14  47.43000000 -122.30800000   354    56 0.0  180.343 R16LY KSEA K1 16L LPV
//   16  47.46381600 -122.30778800   432    56 52.0 300180.343 R16LY KSEA K1 16L WAAS
enum NavaidField : std::size_t {
    kNavCode = 0,
    kNavLatitude = 1,
    kNavLongitude = 2,
    kNavElevation = 3,
    kNavFrequency = 4,  // WAAS channel for FPAP and LTP
    kNavRange = 5,      // length offset for FPAP, threshold crossing height for LTP
    kNavAngle = 6,      // magnetic variation, bearing, course, or angle and bearing combined
    kNavIdentifier = 7,
    kNavAirport = 8,
    kNavRunway = 10,       // the first name word for NDB, VOR and DME
    kNavDescription = 11,  // localizer or glideslope name, FPAP performance, LTP provider
};

} // namespace quill
