// Tests of telling a cut-short source file by its missing end line.
#include <gtest/gtest.h>

#include <string>

#include "app/error.h"
#include "convert/end_line.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

struct EndLineCase {
    const char* name;
    std::string text;
    bool complete;
};

void PrintTo(const EndLineCase& c, std::ostream* out) { *out << c.name; }

class EndLine : public testing::TestWithParam<EndLineCase> {};

TEST_P(EndLine, TellsACompleteFileFromACutShortOne) {
    const test::TempDir folder;
    test::write_file(folder / "earth_fix.dat", GetParam().text);
    EXPECT_EQ(ends_with_end_line(folder / "earth_fix.dat"), GetParam().complete);
}

const std::string kRecords = "I\n1101 Version\n\n" + std::string(600, ' ') + "45.25 -12.6 ADLEN ENRT QX 2105\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, EndLine,
    testing::Values(EndLineCase{"end_line", kRecords + "99\n", true},
                    EndLineCase{"without_line_end", kRecords + "99", true},
                    EndLineCase{"blank_lines_after", kRecords + "99\r\n\r\n  \n", true},
                    EndLineCase{"blanks_around", kRecords + " 99\t\n", true},
                    EndLineCase{"only_the_end_line", "99", true},
                    EndLineCase{"empty", "", false},
                    EndLineCase{"cut_after_a_record", kRecords, false},
                    EndLineCase{"cut_inside_the_end_line", kRecords + "9", false},
                    EndLineCase{"more_after_it", kRecords + "99\n45.25 -12.6 ADLEN ENRT QX 2105\n", false},
                    EndLineCase{"a_longer_number", kRecords + "199\n", false},
                    EndLineCase{"end_line_only_at_the_top", "99\n" + kRecords, false}),
    [](const testing::TestParamInfo<EndLineCase>& case_info) { return std::string(case_info.param.name); });

TEST(EndLineErrors, AMissingFileIsAnError) {
    const test::TempDir folder;
    EXPECT_THROW(ends_with_end_line(folder / "earth_fix.dat"), Error);
}

} // namespace
} // namespace quill
