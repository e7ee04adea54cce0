// Tests of writing intermediate files: names, line ends, upper-casing, buffering and a full disk.
#include "app/error.h"
#include "convert/intermediate_file.h"
#include "convert/text.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

using test::read_file;
using test::TempDir;

struct PathCase {
    std::string source_name;
    std::string suffix;
    std::string path;
};

void PrintTo(const PathCase& c, std::ostream* os) { *os << c.source_name << ' ' << c.suffix; }

class IntermediatePath : public testing::TestWithParam<PathCase> {};

TEST_P(IntermediatePath, ReplacesTheExtensionInTheWorkFolder) {
    EXPECT_EQ(intermediate_path("/work/", GetParam().source_name, GetParam().suffix), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(Names, IntermediatePath, testing::Values(
    PathCase{"earth_fix.dat", ".csv", "/work/earth_fix.csv"},
    PathCase{"earth_awy.dat", "_High.csv", "/work/earth_awy_High.csv"},
    PathCase{"earth_nav.dat", "_ndb.csv", "/work/earth_nav_ndb.csv"},
    PathCase{"cycle.2301.dat", ".csv", "/work/cycle.2301.csv"},
    PathCase{"noextension", ".csv", "/work/noextension.csv"}));

TEST(IntermediateFile, WritesHeaderAndRecordsWithCrLfReplacingAnOlderFile) {
    TempDir dir;
    test::write_file(dir / "out.csv", std::string(100, 'o'));
    IntermediateFile file(dir / "out.csv", "SHAPEID|NAME");
    file.write("1", "A B");
    file.write("2", "");
    file.close();
    EXPECT_EQ(read_file(dir / "out.csv"), "SHAPEID|NAME\r\n1|A B\r\n2|\r\n");
}

// Every byte value, at every length the copy treats differently, next to the
// same text written unchanged.
TEST(IntermediateFile, UpperCasesOnlyAtoZOfAField) {
    std::string bytes;
    for (int c = 0; c < 256; ++c) bytes.push_back(static_cast<char>(c));
    TempDir dir;
    IntermediateFile file(dir / "out.csv", "H");
    std::string expected = "H\r\n";
    for (std::size_t first : {0x3Eu, 0x5Eu, 0x76u, 0xDEu, 0xF0u}) {
        for (std::size_t length = 0; length <= 17; ++length) {
            const std::string_view text = std::string_view(bytes).substr(first, length);
            file.write(upper_cased(text), text);
            append_upper(expected, text);
            expected.append("|").append(text).append("\r\n");
        }
    }
    file.write(upper_cased(bytes));
    append_upper(expected, bytes);
    expected.append("\r\n");
    file.close();
    EXPECT_EQ(read_file(dir / "out.csv"), expected);
}

TEST(IntermediateFile, WritesRecordsLargerThanItsBuffer) {
    TempDir dir;
    const std::string big(600000, 'x');
    IntermediateFile file(dir / "out.csv", "H");
    file.write("1", big, big);
    file.close();
    EXPECT_EQ(read_file(dir / "out.csv"), "H\r\n1|" + big + "|" + big + "\r\n");
}

TEST(IntermediateFile, KeepsWhatWasWrittenWhenNotClosed) {
    TempDir dir;
    {
        IntermediateFile file(dir / "out.csv", "H");
        file.write("1");
    }
    EXPECT_EQ(read_file(dir / "out.csv"), "H\r\n1\r\n");
}

TEST(IntermediateFile, FullDiskIsReportedWithTheFile) {
    IntermediateFile file("/dev/full", "H");
    try {
        file.close();
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "Disk full");
        EXPECT_EQ(error.file(), "/dev/full");
    }
}

} // namespace
} // namespace quill
