// A folder a shell completed with a backslash and quoted, as both programs take it on Windows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/cycle_folder.h"
#include "support/sql_rows.h"
#include "window_driver.h"

namespace quill::test {
namespace {

struct StartCase {
    const char* name;
    std::string (*program)();
    std::vector<std::string> after_folder;
};

void PrintTo(const StartCase& c, std::ostream* out) { *out << c.name; }

class QuotedFolder : public WindowDriver, public testing::WithParamInterface<StartCase> {};

// A shell completes a folder with a backslash and quotes it: the command line
// reads "<folder>\" and both programs take it as that folder, also with more
// parameters after it.
TEST_P(QuotedFolder, EndingInABackslashIsThatFolder) {
    const std::string path = install(0);
    const CycleFolder cycle("2606", "2606", "2606", "2606");
    std::vector<std::string> parameters{cycle.path() + "\\"};
    parameters.insert(parameters.end(), GetParam().after_folder.begin(),
                      GetParam().after_folder.end());

    const ProgramRun run = run_program(GetParam().program(), parameters, 60000);

    ASSERT_TRUE(run.finished) << "the program waited: it found no folder to start with";
    EXPECT_EQ(run.status, 0u) << run.error_output;
    EXPECT_GT(sql_count(path, "SELECT count(*) FROM NavWPT"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, QuotedFolder,
    testing::Values(StartCase{"Tool", tool_program, {}},
                    StartCase{"ToolWithOptions", tool_program, {"--categories", "waypoints"}},
                    StartCase{"WindowStartingUnattended", window_program, {"start"}}),
    [](const testing::TestParamInfo<StartCase>& case_info) {
        return std::string(case_info.param.name);
    });

} // namespace
} // namespace quill::test
