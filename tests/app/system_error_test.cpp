// Tests that each system's error codes reach the user as the program's own texts.
#include <gtest/gtest.h>

#include <string>

#include "app/error.h"
#include "app/platform.h"
#include "support/system_codes.h"

namespace quill {
namespace {

struct ConditionCase {
    IoFailure failure;
    std::string text;
};

void PrintTo(const ConditionCase& c, std::ostream* out) { *out << c.text; }

class SystemErrorTest : public testing::TestWithParam<ConditionCase> {};

// Each system has codes of its own for a condition; the user reads one text.
TEST_P(SystemErrorTest, ReadsTheSameOnEverySystem) {
    const std::vector<long> codes = test::system_codes(GetParam().failure);
    ASSERT_FALSE(codes.empty());
    for (const long code : codes) EXPECT_EQ(system_error(code).message(), GetParam().text) << code;
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, SystemErrorTest,
    testing::Values(ConditionCase{IoFailure::NotFound, "File not found"},
                    ConditionCase{IoFailure::InvalidName, "Invalid filename"},
                    ConditionCase{IoFailure::TooManyOpenFiles, "Too many open files"},
                    ConditionCase{IoFailure::AccessDenied, "File access denied"},
                    ConditionCase{IoFailure::DiskFull, "Disk full"},
                    ConditionCase{IoFailure::InUse, "in use by another program"}));

TEST(SystemErrorTest, ACodeWithoutATextOfItsOwnReadsAsTheSystemsDescriptionWithTheCode) {
    const long code = test::unnamed_system_code();
    const std::string message = system_error(code).message();
    const std::string with_code = " (" + std::to_string(code) + ")";
    ASSERT_TRUE(message.ends_with(with_code)) << message;
    const std::string description = message.substr(0, message.size() - with_code.size());
    EXPECT_FALSE(description.empty());
    EXPECT_TRUE(test::system_description(code).starts_with(description))
        << description << " | " << test::system_description(code);
    EXPECT_EQ(description.find_first_of("\r\n"), std::string::npos) << description;
}

TEST(UnmappedErrorTest, WithoutADescriptionNamesTheCode) {
    EXPECT_EQ(unmapped_error("", 1117).message(), "I/O error (1117)");
    EXPECT_EQ(unmapped_error("Not ready", 21).message(), "Not ready (21)");
}

} // namespace
} // namespace quill
