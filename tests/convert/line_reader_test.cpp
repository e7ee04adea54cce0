// Tests of the line reader: every line end, Ctrl-Z, byte-order marks, block edges, files still
// being written and files that are no files.
#include "app/error.h"
#include "convert/line_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quill {
namespace {

using test::TempDir;
using test::write_file;

// The reader's block size: lines and line ends that straddle it need a refill.
constexpr std::size_t kBlock = 1 << 20;

std::vector<std::string> read_lines(const std::string& path) {
    LineReader reader(path);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

struct ReadCase {
    std::string name;
    std::string bytes;
    std::vector<std::string> lines;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class LineReading : public testing::TestWithParam<ReadCase> {};

// A file that is written while it is read: each wait of the reader adds the
// next piece, so lines and line ends are cut at every place in small files;
// the writer finishes as it adds the last one.
std::vector<std::string> read_lines_as_written(const std::string& path, const std::string& bytes) {
    write_file(path, "");
    const std::size_t piece = std::max<std::size_t>(1, bytes.size() / 64);
    std::size_t written = 0;
    LineReader reader(path, [&] {
        const std::size_t size = std::min(piece, bytes.size() - written);
        std::ofstream(test::fs_path(path), std::ios::binary | std::ios::app)
            << bytes.substr(written, size);
        written += size;
        return written < bytes.size();
    });
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.next(line)) lines.emplace_back(line);
    return lines;
}

TEST_P(LineReading, GivesTheLines) {
    TempDir dir;
    write_file(dir / "source.dat", GetParam().bytes);
    EXPECT_EQ(read_lines(dir / "source.dat"), GetParam().lines);
}

TEST_P(LineReading, GivesTheSameLinesOfAFileFollowedAsItIsWritten) {
    TempDir dir;
    EXPECT_EQ(read_lines_as_written(dir / "source.dat", GetParam().bytes), GetParam().lines);
}

const std::string kLong(kBlock - 1, 'x');
const std::string kHuge(3 * kBlock + 17, 'y');

INSTANTIATE_TEST_SUITE_P(LineEnds, LineReading, testing::Values(
    ReadCase{"lf", "A\nB\n", {"A", "B"}},
    ReadCase{"crlf", "A\r\nB\r\n", {"A", "B"}},
    ReadCase{"lone_cr", "A\rB\r", {"A", "B"}},
    ReadCase{"mixed", "A\r\nB\rC\nD", {"A", "B", "C", "D"}},
    ReadCase{"cr_then_crlf", "A\r\r\nB", {"A", "", "B"}},
    ReadCase{"empty_lines", "A\n\n\r\n\rB\n", {"A", "", "", "", "B"}},
    ReadCase{"last_line_without_end", "A\nB", {"A", "B"}},
    ReadCase{"last_line_lone_cr", "A\nB\r", {"A", "B"}},
    ReadCase{"empty_file", "", {}},
    ReadCase{"one_line_end", "\n", {""}},
    ReadCase{"nul_is_kept", std::string("A\0B\n", 4), {std::string("A\0B", 3)}}));

INSTANTIATE_TEST_SUITE_P(EndOfFile, LineReading, testing::Values(
    ReadCase{"ctrl_z_after_line_end", "A\n\x1A" "B\n", {"A"}},
    ReadCase{"ctrl_z_inside_line", "A\nB\x1A" "C\nD\n", {"A", "B"}},
    ReadCase{"ctrl_z_first", "\x1A" "A\n", {}},
    ReadCase{"ctrl_z_after_cr", "A\r\x1A\nB", {"A"}}));

INSTANTIATE_TEST_SUITE_P(ByteOrderMark, LineReading, testing::Values(
    ReadCase{"at_start", "\xEF\xBB\xBFI\r\n1101 Version\r\n", {"I", "1101 Version"}},
    ReadCase{"alone", "\xEF\xBB\xBF", {}},
    ReadCase{"later_is_data", "A\n\xEF\xBB\xBF" "B\n", {"A", "\xEF\xBB\xBF" "B"}},
    ReadCase{"partial_is_data", "\xEF\xBB" "A\n", {"\xEF\xBB" "A"}}));

INSTANTIATE_TEST_SUITE_P(BlockBoundaries, LineReading, testing::Values(
    ReadCase{"line_longer_than_blocks", kHuge + "\nB\n", {kHuge, "B"}},
    ReadCase{"last_line_longer_than_blocks", "A\n" + kHuge, {"A", kHuge}},
    ReadCase{"crlf_split", kLong + "\r\nB\r\n", {kLong, "B"}},
    ReadCase{"lone_cr_last_in_block", kLong + "\rB", {kLong, "B"}},
    ReadCase{"lone_cr_ends_file_at_block", kLong + "\r", {kLong}},
    ReadCase{"lf_first_in_block", std::string(kBlock, 'z') + "\nB", {std::string(kBlock, 'z'), "B"}},
    ReadCase{"ctrl_z_in_second_block", kLong + "\nB\x1A" "C", {kLong, "B"}},
    ReadCase{"byte_order_mark_and_long_line", "\xEF\xBB\xBF" + kHuge + "\r\n", {kHuge}}));

TEST(LineReader, CountsLinesOfEveryEnding) {
    TempDir dir;
    write_file(dir / "source.dat", "\xEF\xBB\xBF" "A\rB\r\nC\n\nD");
    LineReader reader(dir / "source.dat");
    std::string_view line;
    std::vector<long> numbers;
    while (reader.next(line)) numbers.push_back(reader.line_number());
    EXPECT_EQ(numbers, (std::vector<long>{1, 2, 3, 4, 5}));
    EXPECT_EQ(reader.path(), dir / "source.dat");
}

TEST(LineReader, MissingFileIsNotFoundWithItsPath) {
    TempDir dir;
    try {
        LineReader reader(dir / "earth_fix.dat");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "File not found");
        EXPECT_EQ(error.file(), dir / "earth_fix.dat");
        EXPECT_EQ(error.display(), "File not found\n" + (dir / "earth_fix.dat"));
    }
}

TEST(LineReader, FolderInsteadOfFileIsAccessDenied) {
    TempDir dir;
    test::make_folders(dir / "earth_fix.dat");
    try {
        LineReader reader(dir / "earth_fix.dat");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "File access denied");
        EXPECT_EQ(error.file(), dir / "earth_fix.dat");
    }
}

// A source that is not a regular file would block the reader (a pipe with no
// writer) or never end (/dev/zero); it is refused before anything is read.
struct SpecialFileCase {
    std::string name;
    void (*make)(const std::string& path);
};

void PrintTo(const SpecialFileCase& c, std::ostream* os) { *os << c.name; }

class SpecialFile : public testing::TestWithParam<SpecialFileCase> {};

TEST_P(SpecialFile, IsRefusedAsAccessDenied) {
    TempDir dir;
    GetParam().make(dir / "earth_nav.dat");
    try {
        LineReader reader(dir / "earth_nav.dat");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "File access denied");
        EXPECT_EQ(error.file(), dir / "earth_nav.dat");
        EXPECT_EQ(error.line(), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, SpecialFile, testing::Values(
    SpecialFileCase{"pipe", test::make_pipe},
    SpecialFileCase{"link_to_dev_zero",
                    [](const std::string& path) { std::filesystem::create_symlink("/dev/zero", path); }}),
    [](const auto& case_info) { return case_info.param.name; });

} // namespace
} // namespace quill
