// The window program itself, started unattended as a calling program starts it, on a folder it
// can run nothing from: it ends with status 1 and says why on standard error. The Qt view's
// tests run it offscreen, the desktop tests on the virtual desktop.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "app/target_table.h"
#include "support/program_run.h"
#include "support/temp_dir.h"

namespace quill::test {
namespace {

struct NothingToRun {
    const char* name;
    bool exists;
    std::string reason; // after the folder's own text in quotes
};

void PrintTo(const NothingToRun& c, std::ostream* out) { *out << c.name; }

class UnattendedProgram : public testing::TestWithParam<NothingToRun> {
protected:
    AppDataSandbox appdata_;
    TempDir cycle_;
};

// A product is installed, so that only the folder stands in the way. The time allowed only
// keeps a window that stays open from hanging the tests.
TEST_P(UnattendedProgram, EndsWithStatusOneAndSaysWhy) {
    make_folders(target_folder(TargetTable[0]));
    write_file(target_path(TargetTable[0]), "product database");
    const std::string folder = GetParam().exists ? cycle_.path() : cycle_ / "missing";

    const ProgramRun run = run_program(QUILL_BINARY_DIR "/quillstrom", {folder, "start"}, 30000);

    ASSERT_TRUE(run.finished) << "the window stayed open";
    EXPECT_EQ(run.status, 1u);
    const std::string said = "'" + folder + "' " + GetParam().reason + "\n";
    EXPECT_NE(run.error_output.find(said), std::string::npos) << run.error_output;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnattendedProgram,
    testing::Values(NothingToRun{"Missing", false, "does not exist"},
                    NothingToRun{
                        "WithoutSourceFiles", true,
                        "holds none of apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat"}),
    [](const testing::TestParamInfo<NothingToRun>& case_info) {
        return std::string(case_info.param.name);
    });

} // namespace
} // namespace quill::test
