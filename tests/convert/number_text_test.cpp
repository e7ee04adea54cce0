// Tests of reading number texts to the nearest double, refusing others, and writing numbers back.
#include "app/error.h"
#include "convert/number_text.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

struct NumberCase {
    std::string text;
    double value;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class Numbers : public testing::TestWithParam<NumberCase> {};

TEST_P(Numbers, GiveTheNearestDouble) {
    double value = -1.0;
    ASSERT_TRUE(parse_number(GetParam().text, value));
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(text_to_number(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, Numbers, testing::Values(
    NumberCase{" 37.5", 37.5},
    NumberCase{"37.5  ", 37.5},
    NumberCase{"+37.5", 37.5},
    NumberCase{"-.5", -0.5},
    NumberCase{"5.", 5.0},
    NumberCase{"1.5E3", 1500.0},
    NumberCase{"1.5e-3", 0.0015},
    NumberCase{"2E+2", 200.0},
    NumberCase{"-033.940333", -33.940333},
    NumberCase{"0", 0.0},
    NumberCase{"3E-5", 0.00003},
    NumberCase{"0.1", 0.1},
    NumberCase{"0.30000000000000004", 0.30000000000000004},
    NumberCase{"9007199254740993", 9007199254740992.0}));

// Below half the smallest denormal the nearest double is zero; the denormals
// themselves are numbers as well.
const std::string kTinyFraction = "0." + std::string(400, '0') + "1";
const std::string kTinyManyDigits = "0.00" + std::string(400, '1') + "e-321";

INSTANTIATE_TEST_SUITE_P(Underflow, Numbers, testing::Values(
    NumberCase{"1e-400", 0.0},
    NumberCase{"-1e-400", -0.0},
    NumberCase{" 1E-400 ", 0.0},
    NumberCase{"2.4703282292062327e-324", 0.0},
    NumberCase{"2.4703282292062328e-324", 4.9406564584124654e-324},
    NumberCase{"1e-310", 1e-310},
    NumberCase{"1e-99999999999999999999999", 0.0},
    NumberCase{kTinyFraction, 0.0},
    NumberCase{kTinyManyDigits, 0.0},
    NumberCase{std::string(400, '0') + ".0001e-321", 0.0}));

class NotNumbers : public testing::TestWithParam<std::string> {};

TEST_P(NotNumbers, AreRejectedNamingTheText) {
    double value = 0.0;
    EXPECT_FALSE(parse_number(GetParam(), value));
    try {
        (void)text_to_number(GetParam());
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "'" + GetParam() + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NotNumbers, testing::Values(
    "37,5", "1 000", "", " ", "37.5x", "\t37.5", "+", "-", "+-5", "1.2.3", "E5", "1E", "1E+",
    "0x10", "inf", "nan", "1,000.5"));

// Past the largest double there is no nearest number: refused, not infinity.
INSTANTIATE_TEST_SUITE_P(Overflow, NotNumbers, testing::Values(
    "1e400", "-1e400", "1e99999999999999999999999", "0.0001e313", std::string(400, '9'),
    std::string(400, '1') + "e-80", "0." + std::string(400, '0') + "1e800"));

// The message is shown as UTF-8 text: source bytes are decoded as values are.
struct MessageCase {
    std::string text;
    std::string shown;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class NumberMessages : public testing::TestWithParam<MessageCase> {};

TEST_P(NumberMessages, ShowTheTextDecoded) {
    try {
        (void)text_to_number(GetParam().text);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "'" + GetParam().shown + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberMessages, testing::Values(
    MessageCase{"47\xB0" "30'", "47\xC2\xB0" "30'"},
    MessageCase{"\x80" "12", "\xE2\x82\xAC" "12"},
    MessageCase{"47\xC2\xB0", "47\xC2\xB0"}));

struct FormatCase {
    double value;
    std::string text;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.text; }

class Formatting : public testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, WritesGeneralFormWithFifteenDigits) {
    EXPECT_EQ(format_number(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, Formatting, testing::Values(
    FormatCase{40.0, "40"},
    FormatCase{-99.99, "-99.99"},
    FormatCase{0.00003, "3E-5"},
    FormatCase{-0.00005, "-5E-5"},
    FormatCase{1.5e-10, "1.5E-10"},
    FormatCase{0.0001, "0.0001"},
    FormatCase{0.0, "0"},
    FormatCase{-0.0, "0"},
    FormatCase{37.5 + (37.6 - 37.5) / 2, "37.55"},
    FormatCase{-122.25, "-122.25"},
    FormatCase{1.0 / 3, "0.333333333333333"},
    FormatCase{2.0 / 3, "0.666666666666667"},
    FormatCase{999999999999999.0, "999999999999999"},
    FormatCase{1e15, "1E15"},
    FormatCase{123456789012345678.0, "1.23456789012346E17"}));

} // namespace
} // namespace quill
