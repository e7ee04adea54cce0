// Tests that the fix and airway converters' failures name the message, the file and the line.
#include "conversion_folders.h"
#include "convert/airway_converter.h"
#include "app/error.h"
#include "convert/fix_converter.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

using Converter = std::size_t (*)(const std::string&, const std::string&);

struct ErrorCase {
    std::string name;
    Converter convert;
    std::string source_name;
    std::string source;   // no source file when empty
    std::string blocked;  // an output name taken by a folder
    std::string message;
    bool in_source;       // else in the blocked output
    long line;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class ConverterErrors : public testing::TestWithParam<ErrorCase> {};

TEST_P(ConverterErrors, NameMessageFileAndLine) {
    const ErrorCase& c = GetParam();
    test::ConversionFolders folders;
    if (!c.source.empty()) folders.write_source(c.source_name, c.source);
    if (!c.blocked.empty()) test::make_folders(folders.work + c.blocked);
    const std::string file = c.in_source ? folders.source_file(c.source_name) : folders.work + c.blocked;
    try {
        c.convert(folders.source, folders.work);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), c.message);
        EXPECT_EQ(error.file(), file);
        EXPECT_EQ(error.line(), c.line);
        const std::string where = c.line == 0 ? file : file + ", line " + std::to_string(c.line);
        EXPECT_EQ(error.display(), c.message + "\n" + where);
    }
}

INSTANTIATE_TEST_SUITE_P(Fixes, ConverterErrors, testing::Values(
    ErrorCase{"missing_source", convert_fixes, "earth_fix.dat", "", "", "File not found", true, 0},
    ErrorCase{"blank_only_line", convert_fixes, "earth_fix.dat", "I\n1101 V\n1 2 A\n \t \n", "",
              "List index out of bounds (0)", true, 4},
    ErrorCase{"one_field", convert_fixes, "earth_fix.dat", "I\n\n47.5\n", "", "List index out of bounds (1)", true, 3},
    ErrorCase{"two_fields_after_lone_cr_lines", convert_fixes, "earth_fix.dat", "\xEF\xBB\xBFI\r1101 V\r47.5 -122.25\r",
              "", "List index out of bounds (2)", true, 3},
    ErrorCase{"output_cannot_be_created", convert_fixes, "earth_fix.dat", "I\n1 2 A\n", "earth_fix.csv",
              "File access denied", false, 0}));

INSTANTIATE_TEST_SUITE_P(Airways, ConverterErrors, testing::Values(
    ErrorCase{"missing_source", convert_airways, "earth_awy.dat", "", "", "File not found", true, 0},
    ErrorCase{"no_level_field", convert_airways, "earth_awy.dat", "I\nA K1 11 B K1 11 N\n", "",
              "List index out of bounds (7)", true, 2},
    ErrorCase{"low_without_base", convert_airways, "earth_awy.dat", "I\nA K1 11 B K1 11 N 1\n", "",
              "List index out of bounds (8)", true, 2},
    ErrorCase{"high_without_top", convert_airways, "earth_awy.dat", "I\nA K1 11 B K1 11 N 2 180\n", "",
              "List index out of bounds (9)", true, 2},
    ErrorCase{"high_without_name", convert_airways, "earth_awy.dat", "I\r\n\r\nA K1 11 B K1 11 N 2 180 450\r\n", "",
              "List index out of bounds (10)", true, 3},
    ErrorCase{"low_output_cannot_be_created", convert_airways, "earth_awy.dat", "I\n", "earth_awy_Low.csv",
              "File access denied", false, 0},
    ErrorCase{"high_output_cannot_be_created", convert_airways, "earth_awy.dat", "I\n", "earth_awy_High.csv",
              "File access denied", false, 0}));

TEST(ConverterErrors, RecordsBeforeTheFailingLineStay) {
    test::ConversionFolders folders;
    folders.write_source("earth_fix.dat", "I\n1 2 A\n3 4 B\n5\n7 8 D\n");
    EXPECT_THROW(convert_fixes(folders.source, folders.work), Error);
    EXPECT_EQ(folders.output("earth_fix.csv"), "SHAPEID|LAT(Y)|LON(X)|NAME\r\n1|1|2|A\r\n2|3|4|B\r\n");
}

TEST(ConverterErrors, MissingSourceLeavesOlderOutputsUntouched) {
    test::ConversionFolders folders;
    test::write_file(folders.work + "earth_awy_Low.csv", "older");
    test::write_file(folders.work + "earth_awy_High.csv", "older");
    EXPECT_THROW(convert_airways(folders.source, folders.work), Error);
    EXPECT_EQ(folders.output("earth_awy_Low.csv"), "older");
    EXPECT_EQ(folders.output("earth_awy_High.csv"), "older");
}

} // namespace
} // namespace quill
