// Tests of the window's start-up parameters: which counts are taken, and how LEFT and TOP read.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/integer_text.h"
#include "app/error.h"

namespace quill {
namespace {

struct CommandLineCase {
    std::vector<std::string> parameters;
    std::optional<std::string> folder;
    bool auto_run;
    std::optional<std::string> left;
    std::optional<std::string> top;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) {
    *out << c.parameters.size() << " parameters";
    for (const std::string& p : c.parameters) *out << " [" << p << "]";
}

class ParseCommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(ParseCommandLineTest, TakesOnlyTheAcceptedCounts) {
    const CommandLineCase& c = GetParam();
    const StartOptions options = parse_command_line(c.parameters);
    EXPECT_EQ(options.folder, c.folder);
    EXPECT_EQ(options.auto_run, c.auto_run);
    EXPECT_EQ(options.left, c.left);
    EXPECT_EQ(options.top, c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, ParseCommandLineTest,
    testing::Values(
        CommandLineCase{{}, std::nullopt, false, std::nullopt, std::nullopt},
        CommandLineCase{{"C:\\Nav\\"}, "C:\\Nav\\", false, std::nullopt, std::nullopt},
        CommandLineCase{{" nav ", "start"}, " nav ", true, std::nullopt, std::nullopt},
        CommandLineCase{{"nav", "Start"}, "nav", false, std::nullopt, std::nullopt},
        CommandLineCase{{"nav", "START"}, "nav", false, std::nullopt, std::nullopt},
        CommandLineCase{{"nav", "start "}, "nav", false, std::nullopt, std::nullopt},
        CommandLineCase{{"nav", "start", "200"}, std::nullopt, false, std::nullopt, std::nullopt},
        CommandLineCase{{"nav", "start", "200", "150"}, "nav", true, "200", "150"},
        CommandLineCase{{"nav", "later", "200", "150"}, "nav", false, "200", "150"},
        CommandLineCase{
            {"nav", "start", "200", "150", "x"}, std::nullopt, false, std::nullopt, std::nullopt}));

struct IntegerCase {
    std::string text;
    std::optional<std::int32_t> value; // none: the text does not convert
};

void PrintTo(const IntegerCase& c, std::ostream* out) { *out << "[" << c.text << "]"; }

class IntegerTextTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerTextTest, ConvertsOrNamesTheText) {
    const IntegerCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(text_to_integer(c.text), *c.value);
        return;
    }
    try {
        text_to_integer(c.text);
        FAIL() << "'" << c.text << "' converted";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), "'" + c.text + "' is not a valid integer value for Integer type.");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerTextTest,
    testing::Values(IntegerCase{"200", 200}, IntegerCase{" 200", 200}, IntegerCase{"\t 200", 200},
                    IntegerCase{"$C8", 200}, IntegerCase{"$c8", 200}, IntegerCase{"0xC8", 200},
                    IntegerCase{"0XC8", 200}, IntegerCase{"+200", 200}, IntegerCase{"-200", -200},
                    IntegerCase{"-$C8", -200}, IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", -2147483647 - 1},
                    IntegerCase{"$7FFFFFFF", 2147483647}, IntegerCase{"200px", std::nullopt},
                    IntegerCase{"", std::nullopt}, IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"-2147483649", std::nullopt},
                    IntegerCase{"$80000000", std::nullopt},
                    IntegerCase{"99999999999999999999", std::nullopt},
                    IntegerCase{"200 ", std::nullopt}, IntegerCase{"   ", std::nullopt},
                    IntegerCase{"-", std::nullopt}, IntegerCase{"$", std::nullopt},
                    IntegerCase{"0x", std::nullopt}, IntegerCase{"+-5", std::nullopt},
                    IntegerCase{"$-5", std::nullopt}, IntegerCase{"C8", std::nullopt},
                    IntegerCase{"2.5", std::nullopt}));

TEST(ConvertPositionTest, ReadsLeftThenTop) {
    StartOptions options = parse_command_line({"nav", "start", " 200", "$96"});
    const WindowPosition position = convert_position(options);
    EXPECT_EQ(position.left, 200);
    EXPECT_EQ(position.top, 150);
}

TEST(ConvertPositionTest, ReportsTheFirstTextThatFails) {
    const auto message_for = [](const std::vector<std::string>& parameters) {
        try {
            convert_position(parse_command_line(parameters));
        } catch (const Error& e) {
            return e.message();
        }
        return std::string("converted");
    };
    EXPECT_EQ(message_for({"nav", "start", "200px", "top"}),
              "'200px' is not a valid integer value for Integer type.");
    EXPECT_EQ(message_for({"nav", "start", "200", "top"}),
              "'top' is not a valid integer value for Integer type.");
}

} // namespace
} // namespace quill
