// Tests of the airport converter: the records of each apt.dat row, failing rows reported and
// passed over, and runway midpoints.
#include "conversion_folders.h"
#include "convert/airport_converter.h"
#include "app/error.h"
#include "convert/source_files.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace quill {
namespace {

const std::map<std::string, std::string> kHeaders{
    {"apt_Land.csv", "SHAPEID|LAT(Y)|LON(X)|RUNWAY|APID|APNAME|ELEVATION(FEET AMSL)|HASTOWER\r\n"},
    {"apt_Heli.csv", "SHAPEID|LAT(Y)|LON(X)|HELIPAD|APID|APNAME|ELEVATION(FEET AMSL)|HASTOWER\r\n"},
    {"apt_Water.csv", "SHAPEID|LAT(Y)|LON(X)|RUNWAY|APID|APNAME|ELEVATION(FEET AMSL)|HASTOWER\r\n"},
    {"apt_AirportComms.csv", "APID|FREQNAME|FREQUENCY\r\n"},
    {"apt_AirportInfo.csv", "APID|APTYPE|LAT(Y)|LON(X)|APNAME|ELEVATION(FEETAMSL)|HASTOWER\r\n"},
};

const std::string kPrefix = "Error in apt.dat at line (data read): ";

// Rows of apt.dat, each with its line end.
std::string header(const std::string& code, const std::string& id, const std::string& name) {
    return code + " 1200 1 0 " + id + (name.empty() ? "" : " " + name) + "\n";
}
std::string land_row(const std::string& n1, const std::string& lat1, const std::string& lon1,
                     const std::string& n2, const std::string& lat2, const std::string& lon2) {
    return "100 30.00 1 0 0.25 0 2 0 " + n1 + " " + lat1 + " " + lon1 + " 0 0 1 0 0 0 " + n2 + " " +
           lat2 + " " + lon2 + " 0 0 1 0 0 0\n";
}
std::string water_row(const std::string& n1, const std::string& lat1, const std::string& lon1,
                      const std::string& n2, const std::string& lat2, const std::string& lon2) {
    return "101 49 1 " + n1 + " " + lat1 + " " + lon1 + " " + n2 + " " + lat2 + " " + lon2 + "\n";
}
std::string helipad_row(const std::string& designator, const std::string& lat, const std::string& lon) {
    return "102 " + designator + " " + lat + " " + lon + " 2.00 10.00 10.00 1 0 0 0.25 0\n";
}
std::string without_line_end(const std::string& row) { return row.substr(0, row.size() - 1); }

const std::string kFile = "I\n1100 Version - data cycle 2301\n";
const std::string kXapt = header("1", "XAPT", "Example Field");
const std::string kXaptRunway =
    "100 30.00 1 0 0.25 0 2 0 9 40.00000000 -100.00000000 0 0 1 0 0 0 "
    "27 40.00000000 -99.98000000 0 0 1 0 0 0\n";
const std::string kRunway = land_row("18", "10.0", "20.0", "36", "10.2", "20.2");
const std::string kHelipad = helipad_row("H1", "47.53", "-122.30");

struct AirportCase {
    std::string name;
    std::string source;
    std::string output;   // the file looked at
    std::string records;  // its lines after the header
    std::vector<std::string> errors = {};
};

void PrintTo(const AirportCase& c, std::ostream* os) { *os << c.name; }

// Test names from the cases' names.
constexpr auto kCaseName = [](const auto& info) { return info.param.name; };

class AirportConversion : public testing::TestWithParam<AirportCase> {};

TEST_P(AirportConversion, WritesRecordsAndReportsFailingRows) {
    const AirportCase& c = GetParam();
    test::ConversionFolders folders;
    folders.write_source("apt.dat", c.source);
    std::vector<std::string> errors;
    convert_airports(folders.source, folders.work,
                    [&](const std::string& message) { errors.push_back(message); });
    EXPECT_EQ(folders.output(c.output), kHeaders.at(c.output) + c.records);
    EXPECT_EQ(errors, c.errors);
}

INSTANTIATE_TEST_SUITE_P(LandRunways, AirportConversion, testing::Values(
    AirportCase{"example_runway", kFile + kXapt + kXaptRunway + "99\n", "apt_Land.csv",
                "1|40.00000000|-100.00000000|09/27|XAPT|EXAMPLE FIELD|1200|1\r\n"
                "1|40.00000000|-99.98000000|09/27|XAPT|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"numbers_of_two_or_three_characters_kept",
                kFile + kXapt + land_row("16L", "1", "2", "34R", "3", "4"), "apt_Land.csv",
                "1|1|2|16L/34R|XAPT|EXAMPLE FIELD|1200|1\r\n1|3|4|16L/34R|XAPT|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"closed_airports_leave_gaps",
                kFile + header("1", "OLD1", "[X] Old Strip") + kRunway + header("1", "OLD2", "[x] old strip") +
                    kRunway + header("1", "NEW", "New") + kRunway,
                "apt_Land.csv", "3|10.0|20.0|18/36|NEW|NEW|1200|1\r\n3|10.2|20.2|18/36|NEW|NEW|1200|1\r\n"},
    AirportCase{"rows_before_the_first_header_count", kFile + kRunway + kXapt + kRunway, "apt_Land.csv",
                "2|10.0|20.0|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n2|10.2|20.2|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"rows_not_starting_with_their_code_ignored",
                kFile + kXapt + " " + kRunway + "1000 x\n110 2 0.25 150.29 A\n1300 x\n1100 y\n", "apt_Land.csv", ""},
    AirportCase{"short_row_reported_and_counted",
                kFile + kXapt + "100 30.00 1 0 0.25 0 2 0 9 40 -100 0 0 1 0 0 0 27 40\n" + kRunway, "apt_Land.csv",
                "2|10.0|20.0|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n2|10.2|20.2|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + "100 30.00 1 0 0.25 0 2 0 9 40 -100 0 0 1 0 0 0 27 40"}},
    AirportCase{"coordinate_not_a_number_writes_nothing",
                kFile + kXapt + land_row("1", "10.0", "20.0x", "19", "10.2", "20.2") + kRunway, "apt_Land.csv",
                "2|10.0|20.0|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n2|10.2|20.2|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + without_line_end(land_row("1", "10.0", "20.0x", "19", "10.2", "20.2"))}},
    AirportCase{"latitude_mean_overflowing_writes_nothing",
                kFile + kXapt + land_row("1", "1.7e308", "20.0", "19", "-1.7e308", "20.2") + kRunway,
                "apt_Land.csv",
                "2|10.0|20.0|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n2|10.2|20.2|18/36|XAPT|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + without_line_end(land_row("1", "1.7e308", "20.0", "19", "-1.7e308", "20.2"))}},
    AirportCase{"header_failing_part_way_keeps_what_it_set",
                kFile + kXapt + "1 1300 0\n" + kRunway, "apt_Land.csv",
                "1|10.0|20.0|18/36|XAPT|EXAMPLE FIELD|1300|0\r\n1|10.2|20.2|18/36|XAPT|EXAMPLE FIELD|1300|0\r\n",
                {kPrefix + "1 1300 0"}}), kCaseName);

INSTANTIATE_TEST_SUITE_P(WaterRunwaysAndHelipads, AirportConversion, testing::Values(
    AirportCase{"water_numbers_as_they_stand",
                kFile + header("16", "W1", "Bay") + kRunway + water_row("9", "1", "2", "27", "3", "4") +
                    water_row("N", "5", "6", "S", "7", "8"),
                "apt_Water.csv",
                "1|1|2|9/27|W1|BAY|1200|1\r\n1|3|4|9/27|W1|BAY|1200|1\r\n"
                "2|5|6|N/S|W1|BAY|1200|1\r\n2|7|8|N/S|W1|BAY|1200|1\r\n"},
    AirportCase{"short_water_runway_reported_and_counted",
                kFile + kXapt + "101 49 1 9 1 2 27 3\n" + water_row("9", "1", "2", "27", "3", "4"), "apt_Water.csv",
                "2|1|2|9/27|XAPT|EXAMPLE FIELD|1200|1\r\n2|3|4|9/27|XAPT|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + "101 49 1 9 1 2 27 3"}},
    AirportCase{"helipad_with_its_own_counter", kFile + kXapt + kRunway + kHelipad, "apt_Heli.csv",
                "1|47.53|-122.30|H1|XAPT|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"failing_helipads_reported_and_counted",
                kFile + kXapt + "102 H1 47.53\n" + helipad_row("H2", "47.53", "west") + kHelipad, "apt_Heli.csv",
                "3|47.53|-122.30|H1|XAPT|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + "102 H1 47.53", kPrefix + without_line_end(helipad_row("H2", "47.53", "west"))}},
    AirportCase{"helipads_of_closed_airports_counted",
                kFile + kHelipad + header("17", "H", "[X] Gone") + kHelipad + header("17", "H", "[H] Pad") + kHelipad,
                "apt_Heli.csv", "3|47.53|-122.30|H1|H|PAD|1200|1\r\n"}), kCaseName);

INSTANTIATE_TEST_SUITE_P(AirportInfo, AirportConversion, testing::Values(
    AirportCase{"example_runway_midpoint", kFile + kXapt + kXaptRunway, "apt_AirportInfo.csv",
                "XAPT|Land|40|-99.99|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"longitude_mean_overflowing_is_no_reference",
                kFile + kXapt + land_row("1", "10.0", "-1.7e308", "19", "10.2", "1.7e308") + kRunway,
                "apt_AirportInfo.csv", "XAPT|Land|10.1|20.1|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + without_line_end(land_row("1", "10.0", "-1.7e308", "19", "10.2", "1.7e308"))}},
    AirportCase{"seaplane_base_example", kFile + "16 0 0 0 XAPT [S] Lake  Harbour\n" + kHelipad,
                "apt_AirportInfo.csv", "XAPT|Water|47.53|-122.30|LAKE HARBOUR|0|0\r\n"},
    AirportCase{"marker_inside_a_seaplane_name", kFile + header("16", "W", "Lake [S] Harbour") + kHelipad,
                "apt_AirportInfo.csv", "W|Water|47.53|-122.30|LAKE  HARBOUR|1200|1\r\n"},
    AirportCase{"lower_case_marker_kept", kFile + header("16", "W", "[s] Lake Harbour") + kHelipad,
                "apt_AirportInfo.csv", "W|Water|47.53|-122.30|[S] LAKE HARBOUR|1200|1\r\n"},
    AirportCase{"heliport_marker_removed", kFile + header("17", "H", "[H] City Hospital") + kHelipad,
                "apt_AirportInfo.csv", "H|Heli|47.53|-122.30|CITY HOSPITAL|1200|1\r\n"},
    AirportCase{"land_airport_keeps_markers", kFile + header("1", "L", "[H] City Hospital") + kHelipad,
                "apt_AirportInfo.csv", "L|Land|47.53|-122.30|[H] CITY HOSPITAL|1200|1\r\n"},
    AirportCase{"quoted_name_words_trimmed", kFile + header("1", "Q", "\" Quoted  \" Name") + kHelipad,
                "apt_AirportInfo.csv", "Q|Land|47.53|-122.30|QUOTED NAME|1200|1\r\n"},
    AirportCase{"header_without_name_is_open", kFile + header("1", "NONAME", "") + kHelipad,
                "apt_AirportInfo.csv", "NONAME|Land|47.53|-122.30||1200|1\r\n"},
    AirportCase{"closed_airports_write_none",
                kFile + header("1", "A", "[X] Old Strip") + kRunway + header("1", "B", "[x] old strip") + kHelipad,
                "apt_AirportInfo.csv", ""},
    AirportCase{"helipad_first_land_airport", kFile + kXapt + kHelipad + kRunway, "apt_AirportInfo.csv",
                "XAPT|Land|47.53|-122.30|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"airport_without_runways_writes_none", kFile + kXapt + "1050 128825 ATIS\n", "apt_AirportInfo.csv",
                ""},
    AirportCase{"id_back_after_another_record",
                kFile + header("1", "A", "One") + kHelipad + header("1", "B", "Two") + kHelipad +
                    header("1", "A", "One") + kHelipad,
                "apt_AirportInfo.csv",
                "A|Land|47.53|-122.30|ONE|1200|1\r\nB|Land|47.53|-122.30|TWO|1200|1\r\n"
                "A|Land|47.53|-122.30|ONE|1200|1\r\n"},
    AirportCase{"id_back_directly_or_after_airports_without_record",
                kFile + header("1", "A", "One") + kHelipad + header("1", "A", "One") + kHelipad +
                    header("1", "C", "None") + header("1", "D", "[X] Closed") + kHelipad + header("1", "A", "One") +
                    kRunway,
                "apt_AirportInfo.csv", "A|Land|47.53|-122.30|ONE|1200|1\r\n"},
    AirportCase{"record_retried_after_a_failing_runway",
                kFile + kXapt + land_row("1", "x", "2", "19", "3", "4") + kRunway, "apt_AirportInfo.csv",
                "XAPT|Land|10.1|20.1|EXAMPLE FIELD|1200|1\r\n",
                {kPrefix + without_line_end(land_row("1", "x", "2", "19", "3", "4"))}},
    AirportCase{"zero_and_tiny_means", kFile + kXapt + land_row("1", "0.00001", "1", "19", "0.00005", "-1"),
                "apt_AirportInfo.csv", "XAPT|Land|3E-5|0|EXAMPLE FIELD|1200|1\r\n"},
    AirportCase{"water_runway_midpoint", kFile + header("16", "W", "Bay") + water_row("N", "-10", "30.5", "S", "-11", "31"),
                "apt_AirportInfo.csv", "W|Water|-10.5|30.75|BAY|1200|1\r\n"}), kCaseName);

struct MeanCase {
    std::string lon1;
    std::string lon2;
    std::string mean;
};

void PrintTo(const MeanCase& c, std::ostream* os) { *os << c.lon1 << " and " << c.lon2; }

class RunwayReferenceLongitude : public testing::TestWithParam<MeanCase> {};

TEST_P(RunwayReferenceLongitude, TakesTheShortArc) {
    test::ConversionFolders folders;
    folders.write_source("apt.dat", kFile + kXapt + land_row("1", "10", GetParam().lon1, "19", "10", GetParam().lon2));
    convert_airports(folders.source, folders.work, [](const std::string&) {});
    EXPECT_EQ(folders.output("apt_AirportInfo.csv"), kHeaders.at("apt_AirportInfo.csv") + "XAPT|Land|10|" +
                                                         GetParam().mean + "|EXAMPLE FIELD|1200|1\r\n");
}

INSTANTIATE_TEST_SUITE_P(Ends, RunwayReferenceLongitude, testing::Values(
    MeanCase{"179.9", "-179.9", "180"},
    MeanCase{"179", "-179.5", "179.75"},
    MeanCase{"-179", "179.5", "-179.75"},
    MeanCase{"-170", "10", "-80"},
    MeanCase{"90", "-90", "0"}));

INSTANTIATE_TEST_SUITE_P(Frequencies, AirportConversion, testing::Values(
    AirportCase{"example_atis", kFile + kXapt + "1050 128825 example  atis\n", "apt_AirportComms.csv",
                "XAPT| EXAMPLE ATIS|128.825\r\n"},
    AirportCase{"five_six_and_seven_digits",
                kFile + kXapt + "1051 12280 unicom\n1052 118325 twr\n1053 1183250 gnd\n", "apt_AirportComms.csv",
                "XAPT| UNICOM|122.80\r\nXAPT| TWR|118.325\r\n"},
    AirportCase{"other_codes_and_short_rows_ignored",
                kFile + kXapt + "54 11830 TWR\n1057 12280 X\n105 12280 X\n1050 12280\n 1050 12280 X\n",
                "apt_AirportComms.csv", ""},
    AirportCase{"closed_or_before_any_header",
                kFile + "1050 12280 EARLY\n" + header("1", "OLD", "[X] Old") + "1050 12280 LATE\n",
                "apt_AirportComms.csv", ""}), kCaseName);

INSTANTIATE_TEST_SUITE_P(Encodings, AirportConversion, testing::Values(
    AirportCase{"utf8_and_latin1_lines_in_error_text",
                kFile + kXapt + "102 Riesa-G\xC3\xB6hlis\n102 Zweibr\xFC" "cken\n", "apt_Heli.csv", "",
                {kPrefix + "102 Riesa-G\xC3\xB6hlis", kPrefix + "102 Zweibr\xC3\xBC" "cken"}},
    AirportCase{"name_bytes_copied_unchanged", kFile + header("1", "EDRZ", "Zweibr\xFC" "cken") + kHelipad,
                "apt_AirportInfo.csv", "EDRZ|Land|47.53|-122.30|ZWEIBR\xFC" "CKEN|1200|1\r\n"}), kCaseName);

TEST(AirportConverter, EmptySourceGivesTheFiveHeaderLines) {
    test::ConversionFolders folders;
    folders.write_source("apt.dat", "I\n1100 Version\n99\n");
    convert_airports(folders.source, folders.work, [](const std::string&) { FAIL(); });
    for (const auto& [name, header] : kHeaders) EXPECT_EQ(folders.output(name), header) << name;
}

TEST(AirportConverter, MissingSourceTouchesNoOutput) {
    test::ConversionFolders folders;
    try {
        convert_airports(folders.source, folders.work, [](const std::string&) {});
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "File not found");
    }
    for (const auto& [name, header] : kHeaders) EXPECT_FALSE(file_exists(folders.work + name)) << name;
}

} // namespace
} // namespace quill
