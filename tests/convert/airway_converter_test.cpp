// Tests of the airway converter: each segment's two records in the file of its level.
#include "conversion_folders.h"
#include "convert/airway_converter.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

constexpr const char* kHeader =
    "SHAPEID|LAT(Y)|LON(X)|FIXNAME|FIXTYPE|SEGMENT|BASEELEVATION|TOPELEVATION|TYPE\r\n";

struct AirwayCase {
    std::string name;
    std::string source;
    std::string low;
    std::string high;
};

void PrintTo(const AirwayCase& c, std::ostream* os) { *os << c.name; }

class AirwayConversion : public testing::TestWithParam<AirwayCase> {};

TEST_P(AirwayConversion, WritesLowAndHighFiles) {
    test::ConversionFolders folders;
    folders.write_source("earth_awy.dat", GetParam().source);
    convert_airways(folders.source, folders.work);
    EXPECT_EQ(folders.output("earth_awy_Low.csv"), kHeader + GetParam().low);
    EXPECT_EQ(folders.output("earth_awy_High.csv"), kHeader + GetParam().high);
}

INSTANTIATE_TEST_SUITE_P(Sources, AirwayConversion, testing::Values(
    AirwayCase{"levels_counted_per_file",
               "I\r\n1100 Version - data cycle 2301\r\n\r\n"
               "ABCDE K1 11 KLM K1 3 N 2 180 450 J13-J15\r\n"
               "abcde k1 11 klm k1 2 N 1 050 180 v2-v3\n"
               "IAH K6 3 BOOZE K6 11 N 2 180 450 J87\r\n"
               "SSS K1 2 TTT K1 3 N 1 010 100 V5\r\n"
               "99\r\n",
               "1|||ABCDE|WPT|V2-V3|050|180|Low\r\n"
               "1|||KLM|NDB|V2-V3|050|180|Low\r\n"
               "2|||SSS|NDB|V5|010|100|Low\r\n"
               "2|||TTT|VOR|V5|010|100|Low\r\n",
               "1|||ABCDE|WPT|J13-J15|180|450|High\r\n"
               "1|||KLM|VOR|J13-J15|180|450|High\r\n"
               "2|||IAH|VOR|J87|180|450|High\r\n"
               "2|||BOOZE|WPT|J87|180|450|High\r\n"},
    AirwayCase{"unknown_type_codes_give_empty_type",
               "I\n"
               "AAA K1 28 BBB K1 3 N 2 180 450 J1\n"
               "CCC K1 11 DDD K1 2 N 2 180 450 J2\n"
               "EEE K1 011 FFF K1 03 N 2 180 450 J3\n",
               "",
               "1|||AAA||J1|180|450|High\r\n"
               "1|||BBB|VOR|J1|180|450|High\r\n"
               "2|||CCC|WPT|J2|180|450|High\r\n"
               "2|||DDD|NDB|J2|180|450|High\r\n"
               "3|||EEE||J3|180|450|High\r\n"
               "3|||FFF||J3|180|450|High\r\n"},
    AirwayCase{"other_levels_dropped_without_counting",
               "I\n"
               "AAA K1 11 BBB K1 11 N 3 180 450 J1\n"
               "CCC K1 11 DDD K1 11 N 0\n"
               "EEE K1 11 FFF K1 11 N 2 180 450 J3\n",
               "",
               "1|||EEE|WPT|J3|180|450|High\r\n"
               "1|||FFF|WPT|J3|180|450|High\r\n"},
    AirwayCase{"extra_fields_ignored_and_blanks_of_any_kind",
               "I\n\tAAA  K1\t11 BBB K1 11   N 1 0 10 J1 extra 7\n",
               "1|||AAA|WPT|J1|0|10|Low\r\n"
               "1|||BBB|WPT|J1|0|10|Low\r\n",
               ""},
    AirwayCase{"only_header_version_and_end", "I\n1100 Version\n99\n", "", ""}));

} // namespace
} // namespace quill
