// Tests of the paths a user may really have: letters beyond ASCII, file names in other cases.
#include "cli_fixture.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quill::cli {
namespace {

using test::sql_count;

// The sample cycle copied into a folder under the given file names.
void copy_sample(const test::TempDir& folder,
                 const std::vector<std::pair<std::string, std::string>>& names) {
    for (const auto& [sample_name, name] : names)
        test::write_file(folder / name,
                         test::read_file(test::sample_cycle_folder() + "/" + sample_name));
}

void expect_every_category_loaded(const std::string& database) {
    for (const char* table : {"Airport", "NavVOR", "NavWPT", "NavAirway"})
        EXPECT_GT(sql_count(database, std::string("SELECT count(*) FROM ") + table), 0) << table;
    EXPECT_EQ(sql_count(database, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
}

// A user whose profile folder has letters beyond ASCII, with the cycle in
// such a folder: Windows gives these paths as UTF-16, the program keeps them
// as UTF-8 and must reach the same files.
TEST_F(Cli, UpdatesWithLettersBeyondAsciiInTheProductAndCycleFolders) {
    const test::AppDataSandbox profile("Zoë Ærø");
    const test::TempDir cycle("Zyklus Ærø");
    copy_sample(cycle, {{"apt.dat", "apt.dat"},
                               {"earth_nav.dat", "earth_nav.dat"},
                               {"earth_fix.dat", "earth_fix.dat"},
                               {"earth_awy.dat", "earth_awy.dat"}});
    const std::string product = install(0);
    ASSERT_NE(product.find("Zoë Ærø"), std::string::npos) << product;

    const Result r = run({cycle.path()});

    EXPECT_EQ(r.status, kSuccess) << r.err;
    expect_every_category_loaded(product);
    EXPECT_NE(r.out.find("Loading Waypoints/Fixes..."), std::string::npos) << r.out;
}

// A cycle unpacked with other letter cases than the usual names is read whole.
TEST_F(Cli, ReadsACycleWhoseFileNamesDifferInCase) {
    const test::TempDir cycle;
    copy_sample(cycle, {{"apt.dat", "Apt.DAT"},
                               {"earth_nav.dat", "EARTH_NAV.dat"},
                               {"earth_fix.dat", "Earth_Fix.Dat"},
                               {"earth_awy.dat", "earth_AWY.dat"}});
    const std::string product = install(0);

    const Result r = run({cycle.path()});

    EXPECT_EQ(r.status, kSuccess) << r.err;
    expect_every_category_loaded(product);
}

} // namespace
} // namespace quill::cli
