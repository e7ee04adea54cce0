// Tests of where the application-data folder is taken from and how the work folder is made
// below it.
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
        EXPECT_EQ(get_env_var("QUILL_TEST_VARIABLE"), "");
    }
    {
        ScopedVariable empty("QUILL_TEST_VARIABLE", "");
        EXPECT_EQ(get_env_var("QUILL_TEST_VARIABLE"), "");
    }
    ScopedVariable set("QUILL_TEST_VARIABLE", "C:\\Users\\pilot");
    EXPECT_EQ(get_env_var("QUILL_TEST_VARIABLE"), "C:\\Users\\pilot");
}

TEST(ApplicationDataFolderTest, IsAppDataWhenItIsSet) {
    ScopedVariable appdata("APPDATA", "/roaming");
    ScopedVariable xdg("XDG_DATA_HOME", "/xdg");
    EXPECT_EQ(application_data_folder(), "/roaming");
    EXPECT_EQ(describe_application_data_folder(), "/roaming (APPDATA)");
}

struct BaseFolderCase {
    std::optional<std::string> appdata;
    std::optional<std::string> xdg_data_home;
    std::string expected;
};

void PrintTo(const BaseFolderCase& c, std::ostream* out) { *out << c.expected; }

const std::string kHome = "/home/pilot";
const std::string kHomeData = kHome + "/.local/share";

// POSIX systems: without APPDATA, the XDG data home.
class XdgDataHomeTest : public testing::TestWithParam<BaseFolderCase> {};

TEST_P(XdgDataHomeTest, StandsInForAnUnsetOrEmptyAppData) {
    const BaseFolderCase& c = GetParam();
    ScopedVariable home("HOME", kHome);
    ScopedVariable appdata("APPDATA", c.appdata);
    ScopedVariable xdg("XDG_DATA_HOME", c.xdg_data_home);
    EXPECT_EQ(application_data_folder(), c.expected);
    EXPECT_EQ(describe_application_data_folder(), c.expected + " (the XDG data home)");
}

INSTANTIATE_TEST_SUITE_P(Variables, XdgDataHomeTest,
                         testing::Values(BaseFolderCase{"", "/xdg", "/xdg"},
                                         BaseFolderCase{std::nullopt, "/xdg", "/xdg"},
                                         BaseFolderCase{"", "", kHomeData},
                                         BaseFolderCase{std::nullopt, std::nullopt, kHomeData}));

// A folder chosen on the command line stands in for APPDATA, and for the
// system's own folder, while its override lives; the one before comes back.
TEST(ApplicationDataOverrideTest, StandsInWhileItLives) {
    ScopedVariable appdata("APPDATA", "/roaming");
    {
        const ApplicationDataOverride chosen(std::string("/prefix/Roaming"), "--appdata");
        EXPECT_EQ(application_data_folder(), "/prefix/Roaming");
        EXPECT_EQ(describe_application_data_folder(), "/prefix/Roaming (--appdata)");
        {
            const ApplicationDataOverride none(std::nullopt, "--appdata");
            EXPECT_EQ(application_data_folder(), "/prefix/Roaming");
        }
        {
            const ApplicationDataOverride inner(std::string("/other"), "inner");
            EXPECT_EQ(describe_application_data_folder(), "/other (inner)");
        }
        EXPECT_EQ(describe_application_data_folder(), "/prefix/Roaming (--appdata)");
    }
    EXPECT_EQ(describe_application_data_folder(), "/roaming (APPDATA)");
}

// A folder named with a trailing separator, as a shell completes it, gives
// the same paths below it.
TEST(ApplicationDataOverrideTest, DropsTrailingSeparators) {
    test::TempDir root;
    const ApplicationDataOverride chosen(root.path() + "/" + kPathSeparator, "--appdata");
    EXPECT_EQ(application_data_folder(), root.path());
    EXPECT_EQ(make_work_folder(), root / "Orvanel/Quillstrom/");
    EXPECT_TRUE(fs::is_directory(test::fs_path(root / "Orvanel/Quillstrom")));
}

TEST(MakeWorkFolderTest, CreatesTheTwoProgramLevels) {
    test::AppDataSandbox appdata;
    const std::string expected = appdata / "Orvanel/Quillstrom/";
    EXPECT_EQ(make_work_folder(), expected);
    EXPECT_TRUE(fs::is_directory(expected));
    EXPECT_EQ(make_work_folder(), expected) << "an existing work folder is kept";
    EXPECT_EQ(work_database_path(expected), expected + "GPS.db");
}

TEST(MakeWorkFolderTest, LeavesAMissingApplicationDataFolderAlone) {
    test::TempDir root;
    ScopedVariable appdata("APPDATA", root / "missing");
    EXPECT_EQ(make_work_folder(), root / "missing/Orvanel/Quillstrom/");
    EXPECT_FALSE(fs::exists(root / "missing"));
}

} // namespace
} // namespace quill
