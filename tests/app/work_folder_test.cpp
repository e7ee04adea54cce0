#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "app/environment.h"
#include "app/work_folder.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using test::ScopedVariable;

TEST(GetEnvVarTest, GivesEmptyTextForUnsetAndEmpty) {
    {
        ScopedVariable unset("QUILL_TEST_VARIABLE", std::nullopt);
        EXPECT_EQ(GetEnvVar("QUILL_TEST_VARIABLE"), "");
    }
    {
        ScopedVariable empty("QUILL_TEST_VARIABLE", "");
        EXPECT_EQ(GetEnvVar("QUILL_TEST_VARIABLE"), "");
    }
    ScopedVariable set("QUILL_TEST_VARIABLE", "C:\\Users\\pilot");
    EXPECT_EQ(GetEnvVar("QUILL_TEST_VARIABLE"), "C:\\Users\\pilot");
}

struct BaseFolderCase {
    std::optional<std::string> appdata;
    std::optional<std::string> xdg_data_home;
    std::string expected;
};

void PrintTo(const BaseFolderCase& c, std::ostream* out) { *out << c.expected; }

const std::string kHome = "/home/pilot";
const std::string kHomeData = kHome + test::native_path("/.local/share");

class ApplicationDataFolderTest : public testing::TestWithParam<BaseFolderCase> {};

TEST_P(ApplicationDataFolderTest, PrefersAppDataThenTheXdgDataHome) {
    const BaseFolderCase& c = GetParam();
    ScopedVariable home("HOME", kHome);
    ScopedVariable appdata("APPDATA", c.appdata);
    ScopedVariable xdg("XDG_DATA_HOME", c.xdg_data_home);
    EXPECT_EQ(ApplicationDataFolder(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Variables, ApplicationDataFolderTest,
                         testing::Values(BaseFolderCase{"/roaming", "/xdg", "/roaming"},
                                         BaseFolderCase{"", "/xdg", "/xdg"},
                                         BaseFolderCase{std::nullopt, "/xdg", "/xdg"},
                                         BaseFolderCase{"", "", kHomeData},
                                         BaseFolderCase{std::nullopt, std::nullopt, kHomeData}));

TEST(MakeWorkFolderTest, CreatesTheTwoProgramLevels) {
    test::AppDataSandbox appdata;
    const std::string expected = appdata / "Orvanel/Quillstrom/";
    EXPECT_EQ(MakeWorkFolder(), expected);
    EXPECT_TRUE(fs::is_directory(expected));
    EXPECT_EQ(MakeWorkFolder(), expected) << "an existing work folder is kept";
    EXPECT_EQ(work_database_path(expected), expected + "GPS.db");
}

TEST(MakeWorkFolderTest, LeavesAMissingApplicationDataFolderAlone) {
    test::TempDir root;
    ScopedVariable appdata("APPDATA", root / "missing");
    EXPECT_EQ(MakeWorkFolder(), root / "missing/Orvanel/Quillstrom/");
    EXPECT_FALSE(fs::exists(root / "missing"));
}

} // namespace
} // namespace quill
