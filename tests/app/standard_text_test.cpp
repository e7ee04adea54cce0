// Tests that the headless tool's output stream hands a file whole UTF-8 letters.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/standard_text.h"
#include "support/captured_output.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

// Standard output sent to a file gets the very UTF-8 bytes, written at each
// flush; a letter cut at a flush waits for its end, and what is held when
// the stream goes is written then.
TEST(StandardTextTest, WritesWholeLettersToAFileAsTheirVeryBytes) {
    const test::TempDir temp;
    const std::string file = temp / "output.txt";
    std::string at_flush;
    {
        const test::CapturedOutput captured(file);
        StandardText output(StandardStream::Output);
        std::ostream out(&output);
        out << "Zo\xC3\xAB \xC3\x86r\xC3\xB8 \xE2\x9C\x88\t" << std::flush;
        out << "Zo\xC3" << std::flush;
        at_flush = test::read_file(file);
        out << "\xAB and \xE2\x9C";
        out.flush();
        out << "\x88";
    }
    EXPECT_EQ(at_flush, "Zo\xC3\xAB \xC3\x86r\xC3\xB8 \xE2\x9C\x88\tZo");
    EXPECT_EQ(test::read_file(file),
              "Zo\xC3\xAB \xC3\x86r\xC3\xB8 \xE2\x9C\x88\tZo\xC3\xAB and \xE2\x9C\x88");
}

} // namespace
} // namespace quill
