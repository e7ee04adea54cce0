// Tests of the fix converter, and of finding its source in any letter case.
#include "conversion_folders.h"
#include "convert/fix_converter.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

constexpr const char* kHeader = "SHAPEID|LAT(Y)|LON(X)|NAME\r\n";

struct FixCase {
    std::string name;
    std::string source;
    std::string records;
};

void PrintTo(const FixCase& c, std::ostream* os) { *os << c.name; }

class FixConversion : public testing::TestWithParam<FixCase> {};

TEST_P(FixConversion, WritesEarthFixCsv) {
    test::ConversionFolders folders;
    folders.write_source("earth_fix.dat", GetParam().source);
    convert_fixes(folders.source, folders.work);
    EXPECT_EQ(folders.output("earth_fix.csv"), kHeader + GetParam().records);
}

INSTANTIATE_TEST_SUITE_P(Sources, FixConversion, testing::Values(
    FixCase{"header_version_end_and_empty_lines_skipped",
            "I\r\n1101 Version - data cycle 2301\r\n\r\n"
            "  47.5  -122.25  abcde ENRT K1 2105\r\n\r\n-033.940333 151.175 ABCDE ENRT YM 2105\r\n99\r\n",
            "1|47.5|-122.25|ABCDE\r\n2|-033.940333|151.175|ABCDE\r\n"},
    FixCase{"only_header_version_and_end", "I\n1200 Version\n99\n", ""},
    FixCase{"names_upper_cased_a_to_z_only", "I\n1.0\t2.0\tz\xFCr-1\n", "1|1.0|2.0|Z\xFCR-1\r\n"},
    FixCase{"quoted_name", "I\n1 2 \"ab c\"\n", "1|1|2|AB C\r\n"},
    FixCase{"fix_named_like_a_header_token", "I\n10 20 I\n10 20 99\n", "1|10|20|I\r\n2|10|20|99\r\n"},
    FixCase{"byte_order_mark_and_lone_cr", "\xEF\xBB\xBFI\r1101 Version\r47.5 -122.25 ABCDE\r99\r",
            "1|47.5|-122.25|ABCDE\r\n"},
    FixCase{"no_end_line_nor_final_line_end", "I\n1101 V\n1 2 A\n3 4 B", "1|1|2|A\r\n2|3|4|B\r\n"},
    FixCase{"ctrl_z_ends_the_file", "I\n1 2 A\n\x1A" "3 4 B\n", "1|1|2|A\r\n"}));

TEST(FixConverter, FindsTheSourceInAnyLetterCase) {
    test::ConversionFolders folders;
    folders.write_source("Earth_Fix.DAT", "I\n1 2 A\n99\n");
    convert_fixes(folders.source, folders.work);
    EXPECT_EQ(folders.output("earth_fix.csv"), std::string(kHeader) + "1|1|2|A\r\n");
}

} // namespace
} // namespace quill
