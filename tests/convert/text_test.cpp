// Tests of the lines the converters skip, trimming and upper-casing.
#include "convert/text.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

struct SkipCase {
    std::string line;
    bool skipped;
};

void PrintTo(const SkipCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }

class SkipRule : public testing::TestWithParam<SkipCase> {};

TEST_P(SkipRule, DropsOnlyStandaloneTokensAndEmptyLines) {
    EXPECT_EQ(skip_line(GetParam().line), GetParam().skipped);
}

INSTANTIATE_TEST_SUITE_P(Lines, SkipRule, testing::Values(
    SkipCase{"I", true},
    SkipCase{"I ", true},
    SkipCase{"I\tnavdata", true},
    SkipCase{"IAH K6 3 BOOZE K6 11 N 2 180 450 J87", false},
    SkipCase{"Ix", false},
    SkipCase{"i", false},
    SkipCase{"1101 Version - data cycle 2301", true},
    SkipCase{"1100 Version", true},
    SkipCase{"1200 Version", true},
    SkipCase{"1100", true},
    SkipCase{"11001", false},
    SkipCase{"1150 Version", false},
    SkipCase{"99", true},
    SkipCase{"99 end", true},
    SkipCase{"990", false},
    SkipCase{"9", false},
    SkipCase{" 99", false},
    SkipCase{" I", false},
    SkipCase{"", true},
    SkipCase{"   ", false}));

struct TrimCase {
    std::string text;
    std::string trimmed;
};

void PrintTo(const TrimCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class Trimming : public testing::TestWithParam<TrimCase> {};

TEST_P(Trimming, DropsOuterCharactersUpToCode32) { EXPECT_EQ(trim(GetParam().text), GetParam().trimmed); }

INSTANTIATE_TEST_SUITE_P(Texts, Trimming, testing::Values(
    TrimCase{" \t a b \r\n", "a b"},
    TrimCase{std::string("\0x\x01", 3), "x"},
    TrimCase{"   ", ""},
    TrimCase{"\xA0x\xA0", "\xA0x\xA0"}));

TEST(Upper, ChangesOnlyAtoZ) {
    std::string out = "x";
    append_upper(out, "abc-XYZ z\xFCrich \xE9");
    EXPECT_EQ(out, "xABC-XYZ Z\xFCRICH \xE9");
}

} // namespace
} // namespace quill
