// Tests that each record of an intermediate file becomes its row, with every column in place.
#include "load_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quill::test {
namespace {

using ::testing::ElementsAre;

struct RowCase {
    std::string name;
    std::string file;
    std::string record;
    std::string query;
    std::string row;
};

std::ostream& operator<<(std::ostream& out, const RowCase& c) { return out << c.name; }

class TableBlockTest : public LoadFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(TableBlockTest, RecordBecomesItsRow) {
    make_product();
    write_intermediate(GetParam().file, {GetParam().record});
    load();
    EXPECT_THAT(rows(GetParam().query), ElementsAre(GetParam().row));
}

const std::string kAirport =
    "SELECT AirportType, ShapeID, Latitude, Longitude, Runway, AirportID, AirportName, Elevation, HasTower "
    "FROM Airport";
const std::string kInfo =
    "SELECT AirportID, AirportType, Latitude, Longitude, AirportName, Elevation, HasTower FROM AirportInfo";
const std::string kNdb =
    "SELECT NDBType, ShapeID, Latitude, Longitude, Elevation, NDBID, NDBName, Frequency FROM NavNDB";
const std::string kVor =
    "SELECT VORType, ShapeID, Latitude, Longitude, Elevation, VORID, VORName, Frequency, MagVar FROM NavVOR";

INSTANTIATE_TEST_SUITE_P(
    Files, TableBlockTest,
    ::testing::Values(
        RowCase{"Land", "apt_Land.csv", "1|40.00000000|-100.00000000|09/27|XAPT|EXAMPLE FIELD|1200|1",
                kAirport, "Land|1|40.0|-100.0|09/27|XAPT|EXAMPLE FIELD|1200|1"},
        RowCase{"Water", "apt_Water.csv", "2|40.5|-100.5|18W|XSEA|SEA BASE|0|0", kAirport,
                "Water|2|40.5|-100.5|18W|XSEA|SEA BASE|0|0"},
        RowCase{"Heli", "apt_Heli.csv", "3|40.25|-100.25|H1|XAPT|EXAMPLE FIELD|1200|1", kAirport,
                "Heli|3|40.25|-100.25|H1|XAPT|EXAMPLE FIELD|1200|1"},
        RowCase{"ExtraFieldsIgnored", "apt_Land.csv", "1|40|-100|09/27|XAPT|A|B FIELD|1200|1", kAirport,
                "Land|1|40.0|-100.0|09/27|XAPT|A|B FIELD|1200"},
        RowCase{"Comms", "apt_AirportComms.csv", "XAPT|TWR|118.325",
                "SELECT AirportID, FreqName, Frequency FROM AirportComms", "XAPT|TWR|118.325"},
        RowCase{"Info", "apt_AirportInfo.csv", "XAPT|Land|40|-99.99|EXAMPLE FIELD|1200|1", kInfo,
                "XAPT|Land|40.0|-99.99|EXAMPLE FIELD|1200|1"},
        RowCase{"ExponentLatitude", "apt_AirportInfo.csv", "XAPT|Land|3E-5|-99.99|EXAMPLE FIELD|1200|1",
                "SELECT Latitude = 0.00003 FROM AirportInfo", "1"},
        RowCase{"Ndb", "earth_nav_ndb.csv", "1|47.4|-122.3|400|ABC|ALPHA|NDB|350", kNdb,
                "NDB|1|47.4|-122.3|400|ABC|ALPHA|350"},
        RowCase{"NdbDme", "earth_nav_ndbdme.csv", "1|47.4|-122.3|400|ABC|ALPHA|NDB-DME|350", kNdb,
                "NDB-DME|1|47.4|-122.3|400|ABC|ALPHA|350"},
        RowCase{"Vor", "earth_nav_vor.csv", "1|47.4|-122.3|400|KLM|KILO|VOR|11630|19.0", kVor,
                "VOR|1|47.4|-122.3|400|KLM|KILO|11630|19"},
        RowCase{"VorDme", "earth_nav_vordme.csv", "1|47.4|-122.3|400|KLM|KILO|VOR-DME|11630|-19.5", kVor,
                "VOR-DME|1|47.4|-122.3|400|KLM|KILO|11630|-19.5"},
        RowCase{"VortacIgnoresTypeColumn", "earth_nav_vortac.csv", "1|47.4|-122.3|400|KLM|KILO|XYZ|11630|19",
                kVor, "VORTAC|1|47.4|-122.3|400|KLM|KILO|11630|19"},
        RowCase{"Tacan", "earth_nav_tacan.csv", "1|47.4|-122.3|400|KLM|KILO|TACAN|11630|19", kVor,
                "TACAN|1|47.4|-122.3|400|KLM|KILO|11630|19"},
        RowCase{
            "DmeTypeFromFile", "earth_nav_dme.csv", "1|47.4|-122.3|400|ISEA|SEA DME|DME-ILS|11030",
            "SELECT DMEType, ShapeID, Latitude, Longitude, Elevation, DMEID, DMEName, Frequency FROM NavDME",
            "DME-ILS|1|47.4|-122.3|400|ISEA|SEA DME|11030"},
        RowCase{"Fix", "earth_fix.csv", "7|47.5|-122.25|ABCDE",
                "SELECT ShapeID, Latitude, Longitude, WPTName FROM NavWPT", "7|47.5|-122.25|ABCDE"},
        RowCase{"Localizer", "earth_nav_localizer.csv",
                "1|47.4|-122.3|400|KSEA|ISEA|16L|11030|18|163.5|ILS-cat-I",
                "SELECT ShapeID, Latitude, Longitude, Elevation, AirportID, LocalizerID, Runway, Frequency, "
                "RangeNM, LocalizerBearing, LocalizerName FROM NavLocalizer",
                "1|47.4|-122.3|400|KSEA|ISEA|16L|11030|18|163.5|ILS-cat-I"},
        RowCase{"Glideslope", "earth_nav_glideslope.csv",
                "1|47.4|-122.3|400|KSEA|ISEA|16L|11030|10|163.5|3.00|GS",
                "SELECT ShapeID, Latitude, Longitude, Elevation, AirportID, GlideslopeID, Runway, Frequency, "
                "RangeNM, LocalizerBearing, GlideslopeAngle, GlideslopeName FROM NavGlideslope",
                "1|47.4|-122.3|400|KSEA|ISEA|16L|11030|10|163.5|3.00|GS"},
        RowCase{"MarkerBeaconColumnsShifted", "earth_nav_markerbeacon.csv",
                "OM|1|47.4|-122.3|400|ISEA|KSEA|16L|OM",
                "SELECT BeaconType, ShapeID, Latitude, Longitude, Elevation, LocalizerID, AirportID, Runway, "
                "BeaconName FROM NavMarkerBeacon",
                "OM|1|47.4|-122.3|400|ISEA|KSEA|16L|OM"},
        RowCase{
            "Fpap", "earth_nav_FPAP.csv", "1|47.4|-122.3|400|12.5|KSEA|R16LY|16L|163.5|56789|LP",
            "SELECT ShapeID, Latitude, Longitude, Elevation, LengthOffset, AirportID, ApproachProcedureID, "
            "Runway, ApproachCourse, WAASChannel, PerformanceID FROM NavFPAP",
            "1|47.4|-122.3|400|12.5|KSEA|R16LY|16L|163.5|56789|LP"},
        RowCase{
            "Ltp", "earth_nav_LTP.csv", "1|47.4|-122.3|400|50.5|KSEA|R16LY|16L|163.5|3.00|56789|WAAS",
            "SELECT ShapeID, Latitude, Longitude, Elevation, CrossingHeight, AirportID, ApproachProcedureID, "
            "Runway, ApproachCourse, GlidesPathAngle, WAASChannel, ProviderName FROM NavLTP",
            "1|47.4|-122.3|400|50.5|KSEA|R16LY|16L|163.5|3.00|56789|WAAS"},
        RowCase{"Windows1252Name", "earth_nav_ndb.csv", "1|47.4|8.5|400|ZH|Z\xDCRICH|NDB|350",
                "SELECT NDBName FROM NavNDB", "Z\xC3\x9CRICH"},
        RowCase{"Utf8NameStays", "earth_nav_ndb.csv", "1|47.4|8.5|400|ZH|Z\xC3\x9CRICH|NDB|350",
                "SELECT NDBName FROM NavNDB", "Z\xC3\x9CRICH"}),
    [](const auto& case_info) { return case_info.param.name; });

// The pipe tokenizer gives an empty last field as a view without data; it
// must reach the table as the empty text, as every other text value does.
class EmptyLastFieldTest : public LoadFixture, public ::testing::WithParamInterface<RowCase> {};

TEST_P(EmptyLastFieldTest, IsStoredAsEmptyText) {
    make_product();
    write_intermediate(GetParam().file, {GetParam().record});
    load();
    EXPECT_THAT(rows(GetParam().query), ElementsAre(GetParam().row));
}

INSTANTIATE_TEST_SUITE_P(
    Files, EmptyLastFieldTest,
    ::testing::Values(RowCase{"FixName", "earth_fix.csv", "7|47.5|-122.25|",
                              "SELECT typeof(WPTName), quote(WPTName) FROM NavWPT", "text|''"},
                      RowCase{"TowerFlag", "apt_AirportInfo.csv", "XAPT|Land|40|-99.99|EXAMPLE FIELD|1200|",
                              "SELECT typeof(HasTower), quote(HasTower) FROM AirportInfo", "text|''"},
                      RowCase{"NdbFrequency", "earth_nav_ndb.csv", "1|47.4|-122.3|400|ABC|ALPHA|NDB|",
                              "SELECT typeof(Frequency), quote(Frequency) FROM NavNDB", "text|''"}),
    [](const auto& case_info) { return case_info.param.name; });

TEST_F(LoadFixture, NdbsAndNdbDmesShareTheirTableInFileOrder) {
    make_product();
    write_intermediate("earth_nav_ndb.csv",
                       {"1|1|1|0|A|A|NDB|200", "2|2|2|0|B|B|NDB|210", "3|3|3|0|C|C|NDB|220"});
    write_intermediate("earth_nav_ndbdme.csv", {"1|4|4|0|D|D|NDB-DME|230", "2|5|5|0|E|E|NDB-DME|240"});
    load();
    EXPECT_THAT(rows("SELECT ShapeID, NDBType, NDBID FROM NavNDB ORDER BY id"),
                ElementsAre("1|NDB|A", "2|NDB|B", "3|NDB|C", "1|NDB-DME|D", "2|NDB-DME|E"));
}

TEST_F(LoadFixture, NumericTextIsStoredByTheDeclaredTypeOfItsColumn) {
    make_product();
    write_intermediate("apt_Land.csv", {"1|40|-100|09|0123|1200|1200|1"});
    write_intermediate("apt_AirportComms.csv", {"XAPT|TWR|118.325"});
    load();
    EXPECT_THAT(rows("SELECT typeof(ShapeID), typeof(Latitude), typeof(Runway), Runway, typeof(AirportID), "
                     "AirportID, typeof(AirportName), typeof(Elevation), typeof(HasTower) FROM Airport"),
                ElementsAre("integer|real|text|09|text|0123|text|integer|integer"));
    EXPECT_THAT(rows("SELECT typeof(Frequency), Frequency FROM AirportComms"), ElementsAre("real|118.325"));
}

} // namespace
} // namespace quill::test
