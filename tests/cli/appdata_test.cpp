// Tests of --appdata, for products whose databases lie in an emulator's roaming folder.
#include "app/environment.h"
#include "app/platform.h"
#include "cli_fixture.h"
#include "support/scoped_variable.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quill::cli {
namespace {

using test::read_file;
using test::sql_count;

// Products that run under an emulator keep their databases in its own
// roaming folder, which --appdata names: every action finds them there and
// keeps its work folder there, and what APPDATA names is left alone.
class AppDataOption : public Cli {
protected:
    // Installs a product database below the roaming folder; its path.
    std::string install_in_roaming(std::size_t row) {
        const test::ScopedVariable roaming_for_now("APPDATA", roaming.path());
        return install(row);
    }

    const test::TempDir roaming{"quillstrom-roaming"};
};

TEST_F(AppDataOption, UpdateListAndRestoreWorkBelowItsFolder) {
    const std::string own = install(0);
    const std::string own_before = read_file(own);
    const std::string below = install_in_roaming(1);

    Result r = run({"--appdata", roaming.path(), sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(sql_count(below, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
    EXPECT_TRUE(std::filesystem::exists(test::fs_path(roaming / "Orvanel/Quillstrom/GPS.db")));
    EXPECT_FALSE(std::filesystem::exists(test::fs_path(work_file(""))));
    EXPECT_EQ(read_file(own), own_before);

    r = run({"--list", "--appdata=" + roaming.path()});
    EXPECT_NE(r.out.find("Product databases in " + roaming.path() + " (--appdata):\n"),
              std::string::npos)
        << r.out;
    EXPECT_NE(
        r.out.find("skelmar-console\tSkelmar Console\t" + below + "\n    holds: airports 2606"),
        std::string::npos)
        << r.out;
    EXPECT_EQ(r.out.find("skelmar-builder"), std::string::npos) << r.out;

    r = run({"--restore", "--appdata", roaming.path()});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, "Restored Skelmar Console\n");
    EXPECT_EQ(sql_count(below, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 1);
    EXPECT_EQ(read_file(own), own_before);
}

// The folder counts for the run that names it, not for later ones.
TEST_F(AppDataOption, HoldsOnlyForTheRunThatNamesIt) {
    install_in_roaming(1);
    ASSERT_EQ(run({"--list", "--appdata", roaming.path()}).status, kSuccess);
    EXPECT_EQ(application_data_folder(), appdata.path());
    const Result r = run({"--list"});
    EXPECT_NE(r.out.find("Product databases in " + appdata.path() + " (APPDATA):\n  none found\n"),
              std::string::npos)
        << r.out;
}

TEST_F(AppDataOption, WithoutProductsNamesItsFolder) {
    install(0);
    const Result r = run({"--appdata", roaming.path(), sample});
    EXPECT_EQ(r.status, kUsage);
    EXPECT_NE(r.err.find("no product database found in " + roaming.path() + " (--appdata)"),
              std::string::npos)
        << r.err;
}

// --help tells where the products are looked for, whichever other options
// come with it.
TEST_F(Cli, HelpSaysWhereTheProductsAreLookedFor) {
    const Result r = run({"--restore", "--help", "--list", sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_NE(r.out.find("--appdata DIR"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nAPPDATA when it is set and not empty, otherwise below " +
                         default_data_folder().name),
              std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("Now: " + appdata.path() + " (APPDATA)\n"), std::string::npos) << r.out;
}

} // namespace
} // namespace quill::cli
