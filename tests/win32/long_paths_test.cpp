// Paths beyond Windows' and SQLite's limits: their long form, and an update of a product that
// lies deeper than both.
#include <gtest/gtest.h>

#include <string>

#include "app/file_system.h"
#include "app/platform.h"
#include "app/target_table.h"
#include "app/wide_text.h"
#include "app/work_folder.h"
#include "run/holdings_record.h"
#include "run/previous_database.h"
#include "support/scoped_variable.h"
#include "support/sql_rows.h"
#include "window_driver.h"

namespace quill::test {
namespace {

struct PathCase {
    std::string path;
    std::wstring system_form;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.path; }

class ToWidePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(ToWidePathTest, GivesTheLongFormOfTheAbsolutePath) {
    EXPECT_EQ(to_wide_path(GetParam().path), GetParam().system_form);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ToWidePathTest,
    testing::Values(PathCase{R"(C:\Users\Zoë\AppData\Roaming)",
                             LR"(\\?\C:\Users\Zoë\AppData\Roaming)"},
                    PathCase{"C:/Cycles/2606/apt.dat", LR"(\\?\C:\Cycles\2606\apt.dat)"},
                    PathCase{R"(C:\Cycles\.\old\..\2606\)", LR"(\\?\C:\Cycles\2606\)"},
                    PathCase{R"(\\server\share\Cycles)", LR"(\\?\UNC\server\share\Cycles)"},
                    PathCase{R"(\\?\C:\Cycles\2606)", LR"(\\?\C:\Cycles\2606)"},
                    PathCase{R"(\\.\pipe\quillstrom)", LR"(\\.\pipe\quillstrom)"},
                    PathCase{"", L""}));

TEST(ToWidePathTest, MakesARelativePathAbsolute) {
    wchar_t current[32768] = {};
    ::GetCurrentDirectoryW(32768, current);
    EXPECT_EQ(to_wide_path("GPS.db"), LR"(\\?\)" + std::wstring(current) + LR"(\GPS.db)");
}

// A folder below `root` deeper than `length` characters, made level by level.
std::string deep_folder(const std::string& root, std::size_t length) {
    std::string folder = root;
    for (char level = 'a'; folder.size() <= length; ++level)
        folder += "\\" + std::string(60, level);
    make_folders(folder);
    return folder;
}

class DeepFolders : public WindowDriver {};

// Windows takes paths of 260 characters and more only in their "\\?\" form,
// and SQLite's default file layer no more than 1040 bytes. A user whose
// application-data and cycle folders lie deeper than both still gets the
// product database updated, the previous one kept and its holdings recorded.
TEST_F(DeepFolders, UpdateAProductDatabaseDeeperThanThePathLimits) {
    const ScopedVariable appdata("APPDATA", deep_folder(appdata_.path(), 1100));
    const TempDir cycle_root("cycle");
    const std::string cycle = deep_folder(cycle_root.path(), 1100);
    for (const char* name : {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"})
        write_file(cycle + "\\" + name, read_file(sample_cycle_folder() + "/" + name));
    const std::string product = install(0);

    const ProgramRun run = run_program(tool_program(), {cycle}, 60000);

    ASSERT_TRUE(run.finished);
    EXPECT_EQ(run.status, 0u) << run.error_output;
    EXPECT_GT(sql_count(product, "SELECT count(*) FROM NavAirway"), 0);
    const std::string work_folder = make_work_folder();
    EXPECT_TRUE(file_exists(previous_database_path(work_folder, TargetTable[0])));
    const std::optional<Holding> holding = HoldingsRecord(work_folder).current(TargetTable[0]);
    ASSERT_TRUE(holding);
    EXPECT_EQ(holding->cycles, (CategoryCycles{"2606", "2606", "2606", "2606"}));
    EXPECT_EQ((FileStamp{holding->file_size, holding->file_time}), file_stamp(product));
}

} // namespace
} // namespace quill::test
