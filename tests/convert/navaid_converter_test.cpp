// Tests of the navaid converter: the record each kind of line gives, the lines no rule takes and
// the lines that fail.
#include "conversion_folders.h"
#include "app/error.h"
#include "convert/navaid_converter.h"
#include "convert/source_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace quill {
namespace {

const std::string kStation = "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|ID|NAME|TYPE|FREQ\r\n";
const std::string kVor = "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|ID|NAME|TYPE|FREQ|MAGVAR\r\n";

const std::map<std::string, std::string> kHeaders{
    {"earth_nav_ndb.csv", kStation},
    {"earth_nav_ndbdme.csv", kStation},
    {"earth_nav_dme.csv", kStation},
    {"earth_nav_vor.csv", kVor},
    {"earth_nav_vordme.csv", kVor},
    {"earth_nav_vortac.csv", kVor},
    {"earth_nav_tacan.csv", kVor},
    {"earth_nav_localizer.csv",
     "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|AIRPORTID|LOCALIZERID|RUNWAY|FREQUENCY|RANGE (NM)|"
     "LOCALIZERBEARING|LOCALIZERNAME\r\n"},
    {"earth_nav_glideslope.csv",
     "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|AIRPORTID|GLIDESLOPEID|RUNWAY|FREQUENCY|RANGE (NM)|"
     "LOCALIZERBEARING|GLIDESLOPEANGLE|GLIDESLOPENAME\r\n"},
    {"earth_nav_markerbeacon.csv",
     "BEACONTYPE|SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|LOCALIZERID|AIRPORTID|RUNWAY|BEACONNAME\r\n"},
    {"earth_nav_FPAP.csv",
     "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|LENGTH_OFFSET_RWY(M)|AIRPORTID|APPROACH PROCEDURE ID|RUNWAY|"
     "APPROACH COURSE|WAAS CHANNEL|PERFORMANCEID\r\n"},
    {"earth_nav_LTP.csv",
     "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|CROSSING HEIGHT(FT)|AIRPORTID|APPROACH PROCEDURE ID|RUNWAY|"
     "APPROACH COURSE|GLIDEPATH ANGLE|WAAS CHANNEL|PROVIDER NAME\r\n"},
};

const std::string kFile = "I\n1150 Version - data cycle 2301\n";

struct NavaidCase {
    std::string name;
    std::string lines;  // after the header and version lines
    std::string output;
    std::string records;
};

void PrintTo(const NavaidCase& c, std::ostream* os) { *os << c.name; }

// Test names from the cases' names.
constexpr auto kCaseName = [](const auto& info) { return info.param.name; };

class NavaidConversion : public testing::TestWithParam<NavaidCase> {};

TEST_P(NavaidConversion, WritesRecords) {
    const NavaidCase& c = GetParam();
    test::ConversionFolders folders;
    folders.write_source("earth_nav.dat", kFile + c.lines + "99\n");
    convert_navaids(folders.source, folders.work);
    EXPECT_EQ(folders.output(c.output), kHeaders.at(c.output) + c.records);
}

INSTANTIATE_TEST_SUITE_P(Stations, NavaidConversion, testing::Values(
    NavaidCase{"ndb_name_words", "2  47.63252778 -122.38952778    0   362  25    0.000 BF  ENRT K1 A  P Hill NDB\n",
               "earth_nav_ndb.csv", "1|47.63252778|-122.38952778|0|BF|A P HILL|NDB|362\r\n"},
    NavaidCase{"ndb_of_eleven_fields_has_no_name", "2 -033.94033333 151.2 0 362 25 0.000 BF ENRT K1 NDB\n",
               "earth_nav_ndb.csv", "1|-033.94033333|151.2|0|BF||NDB|362\r\n"},
    NavaidCase{"quoted_name_words_joined_as_they_stand", "2 1 2 3 362 25 0.0 BF ENRT K1 \"  Big \" Hill NDB\n",
               "earth_nav_ndb.csv", "1|1|2|3|BF|BIG  HILL|NDB|362\r\n"},
    NavaidCase{"ndb_dme", "2 1 2 3 400 50 0.0 XY ENRT K1 Some Place NDB/DME\n", "earth_nav_ndbdme.csv",
               "1|1|2|3|XY|SOME PLACE|NDB-DME|400\r\n"},
    NavaidCase{"vor", "3 1 2 3 11680 130 19.000 SEA ENRT K1 Seattle VOR\n", "earth_nav_vor.csv",
               "1|1|2|3|SEA|SEATTLE|VOR|11680|19.000\r\n"},
    NavaidCase{"vor_dme", "3 1 2 3 11680 130 -4.0 SEA ENRT K1 Seattle VOR/DME\n", "earth_nav_vordme.csv",
               "1|1|2|3|SEA|SEATTLE|VOR-DME|11680|-4.0\r\n"},
    NavaidCase{"vortac", "3 1 2 3 11680 130 19.000 SEA ENRT K1 Seattle VORTAC\n", "earth_nav_vortac.csv",
               "1|1|2|3|SEA|SEATTLE|VORTAC|11680|19.000\r\n"},
    NavaidCase{"tacan", "3 1 2 3 1134 130 0.0 NUW ENRT K1 Whidbey TACAN\n", "earth_nav_tacan.csv",
               "1|1|2|3|NUW|WHIDBEY|TACAN|1134|0.0\r\n"},
    NavaidCase{"dme_ils_type", "12 1 2 3 11030 18 0.0 ISNQ KSEA K1 Seattle-Tacoma Intl DME/ILS\n",
               "earth_nav_dme.csv", "1|1|2|3|ISNQ|SEATTLE-TACOMA INTL|DME-ILS|11030\r\n"},
    NavaidCase{"dme_type_kept", "13 1 2 3 11680 130 0.0 SEA ENRT K1 Seattle DME\n", "earth_nav_dme.csv",
               "1|1|2|3|SEA|SEATTLE|DME|11680\r\n"},
    NavaidCase{"counters_per_file",
               "2 1 2 3 1 0 0 A ENRT K1 A NDB\n3 1 2 3 1 0 0 V ENRT K1 V VOR\n2 1 2 3 2 0 0 B ENRT K1 B NDB\n"
               "3 1 2 3 2 0 0 W ENRT K1 W VOR\n2 1 2 3 3 0 0 C ENRT K1 C NDB\n",
               "earth_nav_vor.csv", "1|1|2|3|V|V|VOR|1|0\r\n2|1|2|3|W|W|VOR|2|0\r\n"}), kCaseName);

// A line that no rule takes: no file gets a record.
class DroppedLine : public testing::TestWithParam<std::string> {};

TEST_P(DroppedLine, WritesNothing) {
    test::ConversionFolders folders;
    folders.write_source("earth_nav.dat", "I\n" + GetParam() + "\n99\n");
    convert_navaids(folders.source, folders.work);
    for (const auto& [name, header] : kHeaders) EXPECT_EQ(folders.output(name), header) << name;
}

INSTANTIATE_TEST_SUITE_P(Lines, DroppedLine, testing::Values(
    "1150 Version - data cycle 2301, build 20230101",
    "3 1 2 3 11680 130 19.0 SEA ENRT K1 Seattle VOR-DME",
    "3 1 2 3 11680 130 19.0 SEA ENRT K1 Seattle vor",
    "2 1 2 3 362 25 0.0 BF ENRT K1 Nolla ndb",
    "2 1 2 3 362 25 0.0 BF ENRT K1 Nolla VOR",
    "15 1 2 3 56 0.0 180.0 R16LY KSEA K1 16L LPV",
    "17 1 2 3 56 0.0 180.0 R16LY KSEA K1 16L LPV",
    "99 2 1 2 3 362 25 0.0 BF ENRT K1 Nolla NDB",
    "I2 1 2 3 362 25 0.0 BF ENRT K1 Nolla NDB"));

INSTANTIATE_TEST_SUITE_P(Approaches, NavaidConversion, testing::Values(
    NavaidCase{"localizer_row_4", "4 47.429392 -122.308056 338 11030 18 180.343 ISNQ KSEA K1 16L ILS-cat-III\n",
               "earth_nav_localizer.csv", "1|47.429392|-122.308056|338|KSEA|ISNQ|16L|11030|18|180.343|ILS-cat-III\r\n"},
    NavaidCase{"localizer_row_5", "5 1 2 3 10810 18 45.5 IXYZ KXYZ K1 34 LDA extra words\n",
               "earth_nav_localizer.csv", "1|1|2|3|KXYZ|IXYZ|34|10810|18|45.5|LDA\r\n"},
    NavaidCase{"glideslope_angles",
               "6 1 2 3 11030 10 300180.343 ISNQ KSEA K1 16L GS\n6 1 2 3 11030 10 325090.120 IA KA K1 09 GS\n"
               "6 1 2 3 11030 10 300045.500 IB KB K1 27 GS\n6 1 2 3 11030 10 3001 IC KC K1 27 GS\n"
               "6 1 2 3 11030 10 300180.34567 ID KD K1 27 GS\n",
               "earth_nav_glideslope.csv",
               "1|1|2|3|KSEA|ISNQ|16L|11030|10|180.343|3.00|GS\r\n2|1|2|3|KA|IA|09|11030|10|090.120|3.25|GS\r\n"
               "3|1|2|3|KB|IB|27|11030|10|045.500|3.00|GS\r\n4|1|2|3|KC|IC|27|11030|10|1|3.00|GS\r\n"
               "5|1|2|3|KD|ID|27|11030|10|180.345|3.00|GS\r\n"},
    NavaidCase{"marker_types_from_row_code",
               "7 1 2 3 0 0 180.343 ISNQ KSEA K1 16L IM\n8 1 2 3 0 0 180.343 ISNQ KSEA K1 16L OM\n"
               "9 1 2 3 0 0 180.343 ISNQ KSEA K1 16L MM\n",
               "earth_nav_markerbeacon.csv",
               "OM|1|1|2|3|ISNQ|KSEA|16L|OM\r\nMM|2|1|2|3|ISNQ|KSEA|16L|MM\r\nIM|3|1|2|3|ISNQ|KSEA|16L|IM\r\n"},
    NavaidCase{"fpap", "14 47.437969 -122.311211 429 61010 0.0 180.339 R16CY KSEA K1 16C LPV\n",
               "earth_nav_FPAP.csv", "1|47.437969|-122.311211|429|0.0|KSEA|R16CY|16C|180.339|61010|LPV\r\n"},
    NavaidCase{"ltp", "16 47.463867 -122.307785 429 61010 56.0 300180.339 R16CY KSEA K1 16C WAAS\n",
               "earth_nav_LTP.csv", "1|47.463867|-122.307785|429|56.0|KSEA|R16CY|16C|180.339|3.00|61010|WAAS\r\n"}), kCaseName);

TEST(NavaidConverter, HeaderOnlySourceGivesTheTwelveHeaderLines) {
    test::ConversionFolders folders;
    folders.write_source("earth_nav.dat", "I\n1100 Version\n99\n");
    convert_navaids(folders.source, folders.work);
    for (const auto& [name, header] : kHeaders) EXPECT_EQ(folders.output(name), header) << name;
}

struct FailureCase {
    std::string name;
    std::string lines;
    std::string message;
    long line;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class NavaidFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(NavaidFailure, EndsTheConversionAtTheLine) {
    const FailureCase& c = GetParam();
    test::ConversionFolders folders;
    folders.write_source("earth_nav.dat", "I\n2 1 2 3 362 25 0.0 BF ENRT K1 Nolla NDB\n" + c.lines + "99\n");
    try {
        convert_navaids(folders.source, folders.work);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), c.message);
        EXPECT_EQ(error.file(), folders.source_file("earth_nav.dat"));
        EXPECT_EQ(error.line(), c.line);
    }
    EXPECT_EQ(folders.output("earth_nav_ndb.csv"), kStation + "1|1|2|3|BF|NOLLA|NDB|362\r\n");
}

INSTANTIATE_TEST_SUITE_P(Lines, NavaidFailure, testing::Values(
    FailureCase{"blank_only_line", " \t \n", "List index out of bounds (0)", 3},
    FailureCase{"ndb_without_identifier", "\n2 1 2 3 362 25 NDB\n", "List index out of bounds (7)", 4},
    FailureCase{"marker_without_runway", "7 1 2 3 0 0 180.3 ISNQ KSEA K1\n", "List index out of bounds (10)", 3},
    FailureCase{"localizer_without_name", "4 1 2 3 11030 18 180.3 ISNQ KSEA K1 16L\n",
                "List index out of bounds (11)", 3}), kCaseName);

TEST(NavaidConverter, MissingSourceTouchesNoOutput) {
    test::ConversionFolders folders;
    EXPECT_THROW(convert_navaids(folders.source, folders.work), Error);
    for (const auto& [name, header] : kHeaders) EXPECT_FALSE(file_exists(folders.work + name)) << name;
}

} // namespace
} // namespace quill
