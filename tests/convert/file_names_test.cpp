// Tests that file names beyond ASCII and CR LF line ends come through on every system.
#include "convert/intermediate_file.h"
#include "convert/line_reader.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quill {
namespace {

// A file whose name has letters beyond ASCII is read and written under that
// name (UTF-16 at the Windows boundary), and written lines end in CR LF byte
// for byte: no text mode adds or drops a CR on any system.
TEST(FileNames, LettersBeyondAsciiAndCrLfLineEnds) {
    const test::TempDir folder("Zoë Ærø");
    const std::string written = folder / "Ærø_fix.csv";
    {
        IntermediateFile file(written, "H");
        file.write("ZOË", "1");
        file.close();
    }
    EXPECT_EQ(test::read_file(written), "H\r\nZOË|1\r\n");

    LineReader reader(written);
    std::vector<std::string> lines;
    for (std::string_view line; reader.next(line);) lines.emplace_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"H", "ZOË|1"}));
}

} // namespace
} // namespace quill
