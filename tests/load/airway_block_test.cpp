// Tests of loading airways: each point placed at its fix, by type, name and the other end of its
// segment.
#include "load_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quill::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr CategorySelection kAirwaysOnly{false, false, false, true};

class AirwayBlockTest : public LoadFixture {
protected:
    std::vector<std::string> airways() const {
        return rows(
            "SELECT AirwayType, ShapeID, Latitude, Longitude, FixName, Segment FROM NavAirway ORDER BY id");
    }
};

TEST_F(AirwayBlockTest, SegmentGivesOneRowPerEndWithItsFixPosition) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    write_intermediate("earth_nav_vor.csv", {"1|46.5|-121.75|400|KLM|KILO|VOR|11630|19"});
    write_intermediate("earth_awy_High.csv",
                       {"3|||ABCDE|WPT|J13-J15|180|450|High", "3|||KLM|VOR|J13-J15|180|450|High"});
    load();
    EXPECT_THAT(airways(),
                ElementsAre("High|3|47.5|-122.25|ABCDE|J13-J15", "High|3|46.5|-121.75|KLM|J13-J15"));
}

TEST_F(AirwayBlockTest, PointWhoseFixIsMissingIsDropped) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    write_intermediate("earth_awy_High.csv",
                       {"3|||ABCDE|WPT|J13-J15|180|450|High", "3|||KLM|VOR|J13-J15|180|450|High"});
    load();
    EXPECT_THAT(airways(), ElementsAre("High|3|47.5|-122.25|ABCDE|J13-J15"));
}

TEST_F(AirwayBlockTest, NdbPointsAreLookedUpAmongNdbs) {
    make_product();
    write_intermediate("earth_nav_ndb.csv", {"1|10|20|0|AB|ALPHA|NDB|350"});
    write_intermediate("earth_fix.csv", {"1|30|40|AB"});
    write_intermediate("earth_awy_Low.csv", {"1|||AB|NDB|V1|0|180|Low"});
    load();
    EXPECT_THAT(airways(), ElementsAre("Low|1|10.0|20.0|AB|V1"));
}

class FixTypeTest : public AirwayBlockTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(FixTypeTest, UnknownFixTypeWritesNothing) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    write_intermediate("earth_awy_High.csv", {"3|||ABCDE|" + GetParam() + "|J13|180|450|High"});
    load();
    EXPECT_THAT(airways(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Types, FixTypeTest, ::testing::Values("", "FIX", "wpt", "WPT "));

TEST_F(AirwayBlockTest, NamesMatchWithTheirCase) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|abcde"});
    write_intermediate("earth_awy_High.csv", {"3|||ABCDE|WPT|J13|180|450|High"});
    load();
    EXPECT_THAT(airways(), IsEmpty());
}

TEST_F(AirwayBlockTest, FixesOfTheProductAreFoundWhenWaypointsAreNotLoaded) {
    make_product(
        "INSERT INTO NavWPT (ShapeID, Latitude, Longitude, WPTName) VALUES (1, 12.5, 34.5, 'SEEDX');");
    write_intermediate("earth_awy_Low.csv", {"1|||SEEDX|WPT|V2|0|180|Low"});
    load(kAirwaysOnly);
    EXPECT_THAT(airways(), ElementsAre("Low|1|12.5|34.5|SEEDX|V2"));
}

TEST_F(AirwayBlockTest, LoneEndOfADuplicateNameTakesTheEarliestRow) {
    make_product();
    write_intermediate("earth_fix.csv", {"1|10|10|DUP", "2|50|50|DUP"});
    write_intermediate(
        "earth_awy_High.csv",
        {"1|||DUP|WPT|J1|180|450|High", "1|||MISSING|WPT|J1|180|450|High", "2|||DUP|WPT|J2|180|450|High"});
    load();
    EXPECT_THAT(airways(), ElementsAre("High|1|10.0|10.0|DUP|J1", "High|2|10.0|10.0|DUP|J2"));
}

TEST_F(AirwayBlockTest, DuplicateNamesAreChosenByTheOtherEndOfTheirSegment) {
    make_product();
    // The European ABCDE is stored first, so the earliest row would be wrong for the American segment.
    write_intermediate("earth_fix.csv",
                       {"1|48.2|11.6|ABCDE", "2|47.5|-122.25|ABCDE", "3|47.6|-122.4|SEA", "4|48.1|11.5|MUN"});
    write_intermediate("earth_awy_High.csv",
                       {"1|||SEA|WPT|J1|180|450|High", "1|||ABCDE|WPT|J1|180|450|High",
                        "2|||ABCDE|WPT|UL1|180|450|High", "2|||MUN|WPT|UL1|180|450|High"});
    load();
    EXPECT_THAT(airways(), ElementsAre("High|1|47.6|-122.4|SEA|J1", "High|1|47.5|-122.25|ABCDE|J1",
                                       "High|2|48.2|11.6|ABCDE|UL1", "High|2|48.1|11.5|MUN|UL1"));
}

TEST_F(AirwayBlockTest, FixesAcrossTheAntimeridianAreNeighbours) {
    make_product();
    write_intermediate("earth_fix.csv", {"1|0|-179.5|EAST", "2|0|0|WEST", "3|0|179.5|WEST"});
    write_intermediate("earth_awy_High.csv",
                       {"1|||EAST|WPT|A1|180|450|High", "1|||WEST|WPT|A1|180|450|High"});
    load();
    EXPECT_THAT(airways(), ElementsAre("High|1|0.0|-179.5|EAST|A1", "High|1|0.0|179.5|WEST|A1"));
}

TEST_F(AirwayBlockTest, HighAndLowSegmentsShareShapeIdsAndDifferInType) {
    make_product();
    write_intermediate("earth_fix.csv", {"1|1|1|AAA", "2|2|2|BBB"});
    write_intermediate("earth_awy_High.csv", {"1|||AAA|WPT|J1|180|450|High", "1|||BBB|WPT|J1|180|450|High"});
    write_intermediate("earth_awy_Low.csv", {"1|||BBB|WPT|V1|0|180|Low", "1|||AAA|WPT|V1|0|180|Low"});
    load();
    EXPECT_THAT(airways(), ElementsAre("High|1|1.0|1.0|AAA|J1", "High|1|2.0|2.0|BBB|J1",
                                       "Low|1|2.0|2.0|BBB|V1", "Low|1|1.0|1.0|AAA|V1"));
}

TEST_F(AirwayBlockTest, ShortLineFailsOnlyWhenItsFixIsFound) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    write_intermediate("earth_awy_High.csv", {"3|||NOPE|WPT", "4|||ABCDE|WPT"});
    EXPECT_EQ(load_error(), "List index out of bounds (5)\n" + work + "earth_awy_High.csv, line 3");
}

TEST_F(AirwayBlockTest, FoundFixWithoutCoordinatesFailsAtItsLine) {
    make_product("INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('EMPTY', '', 5);");
    write_intermediate("earth_awy_High.csv", {"3|||EMPTY|WPT|J1|180|450|High"});
    EXPECT_EQ(load_error(kAirwaysOnly),
              "'' is not a valid floating point value\n" + work + "earth_awy_High.csv, line 2");
}

} // namespace
} // namespace quill::test
