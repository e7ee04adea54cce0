// Tests of splitting a Windows command line, a trailing backslash inside quotes above all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/windows_command_line.h"

namespace quill {
namespace {

struct SplitCase {
    std::string line;
    std::vector<std::string> parameters;
};

void PrintTo(const SplitCase& c, std::ostream* out) { *out << "[" << c.line << "]"; }

class SplitCommandLineTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, GivesTheParametersAfterTheProgramsName) {
    EXPECT_EQ(split_command_line(GetParam().line), GetParam().parameters);
}

// A folder that a shell completed with a backslash, alone or followed by more.
INSTANTIATE_TEST_SUITE_P(
    FolderEndingInABackslash, SplitCommandLineTest,
    testing::Values(
        SplitCase{R"(quillstrom-cli "C:\Cycles\2606\")", {R"(C:\Cycles\2606\)"}},
        SplitCase{R"(quillstrom "C:\a\" start)", {R"(C:\a\)", "start"}},
        SplitCase{"quillstrom \"C:\\a\\\"\tstart 200 150", {R"(C:\a\)", "start", "200", "150"}},
        SplitCase{R"(quillstrom "C:\Program Files\Zoë Ærø\" start)",
                  {R"(C:\Program Files\Zoë Ærø\)", "start"}},
        SplitCase{R"(quillstrom "C:\a\\")", {R"(C:\a\)"}},
        SplitCase{R"(quillstrom "\\server\share\\\" start)", {R"(\\server\share\\)", "start"}}));

// Everything else reads as every Windows program reads it.
INSTANTIATE_TEST_SUITE_P(
    UsualRules, SplitCommandLineTest,
    testing::Values(
        SplitCase{"quillstrom", {}}, SplitCase{"quillstrom   ", {}},
        SplitCase{R"("C:\Program Files\Quillstrom\quillstrom.exe" --list)", {"--list"}},
        SplitCase{R"(C:\Tools\quillstrom-cli.exe  --targets  efis-gps3 C:\Cycles\2606)",
                  {"--targets", "efis-gps3", R"(C:\Cycles\2606)"}},
        SplitCase{R"(quillstrom C:\a\b\)", {R"(C:\a\b\)"}},
        SplitCase{R"(quillstrom "C:\Program Files\x" start)", {R"(C:\Program Files\x)", "start"}},
        SplitCase{R"(quillstrom "")", {""}}, SplitCase{R"(quillstrom a" b "c)", {"a b c"}},
        SplitCase{R"(quillstrom a\"b)", {R"(a"b)"}}, SplitCase{R"(quillstrom "a\"b")", {R"(a"b)"}},
        SplitCase{R"(quillstrom "a\"b c")", {R"(a"b c)"}},
        SplitCase{R"(quillstrom a\\"b c")", {R"(a\b c)"}},
        SplitCase{R"(quillstrom a\\\"b)", {R"(a\"b)"}},
        SplitCase{R"(quillstrom "a""b")", {R"(a"b)"}}, SplitCase{R"(quillstrom a\\b)", {R"(a\\b)"}},
        SplitCase{R"(quillstrom a\")", {R"(a")"}}));

} // namespace
} // namespace quill
