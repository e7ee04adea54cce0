// Tests that --check shows each product's cycles and rows now and after, and ends as the update
// would.
#include "cli_fixture.h"
#include "run/holdings_record.h"
#include "run/previous_database.h"
#include "support/cycle_folder.h"
#include "support/product_states.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// --check: the update's preview, which changes nothing.

namespace quill::cli {
namespace {

namespace fs = std::filesystem;
using test::read_file;

class Check : public Cli {
protected:
    std::string previous_of(std::size_t row) const {
        return previous_database_path(work_file(""), TargetTable[row]);
    }
};

TEST_F(Check, ShowsNowAndAfterWithoutChangingAnything) {
    const std::string first = install(0);
    const std::string second = install(5);
    const test::CycleFolder older("2601", "2601", "2601", "2601");
    ASSERT_EQ(run({"--targets", "skelmar-builder", older.path()}).status, kSuccess);
    const std::string first_before = read_file(first);
    const std::string second_before = read_file(second);
    const std::string record_before = read_file(work_file(kHoldingsRecordName));

    const Result r = run({"--check", "--categories", "waypoints,airways", sample});

    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string expected =
        "Source files in " + sample + ":\n"
        "  earth_fix.dat: data cycle 2606, 12 fixes\n"
        "  earth_awy.dat: data cycle 2606, 15 airway segments\n"
        "Product databases:\n"
        "  Skelmar Builder\t" + first + "\n"
        "    airports: now data cycle 2601, 41 rows; after data cycle 2601, 41 rows\n"
        "    navaids: now data cycle 2601, 29 rows; after data cycle 2601, 29 rows\n"
        "    waypoints: now data cycle 2601, 12 rows; after data cycle 2606, 12 rows\n"
        "    airways: now data cycle 2601, 30 rows; after data cycle 2606, 30 rows\n"
        "  Brannock 3 EFIS Moving Map\t" + second + "\n"
        "    airports: now data cycle unknown, 0 rows; after data cycle 2601, 41 rows\n"
        "    navaids: now data cycle unknown, 1 rows; after data cycle 2601, 29 rows\n"
        "    waypoints: now data cycle unknown, 1 rows; after data cycle 2606, 12 rows\n"
        "    airways: now data cycle unknown, 1 rows; after data cycle 2606, 30 rows\n"
        "Nothing was changed.\n";
    EXPECT_EQ(r.out, expected);
    EXPECT_EQ(read_file(first), first_before);
    EXPECT_EQ(read_file(second), second_before);
    EXPECT_EQ(read_file(work_file(kHoldingsRecordName)), record_before);
    EXPECT_FALSE(fs::exists(previous_of(5))) << "a check keeps no previous database";
}

TEST_F(Check, EndsAsTheUpdateWouldAndNamesWhatItWouldPassOver) {
    const std::string busy = install(0);
    const std::string free = install(5);
    const std::string busy_before = read_file(busy);
    const std::string free_before = read_file(free);
    Result r;
    {
        const test::RunningProduct product(busy, test::RunningProduct::Mode::Writing);
        r = run({"--check", "--categories", "waypoints", sample});
    }
    EXPECT_EQ(r.status, kSomeNotUpdated) << r.err;
    EXPECT_NE(r.out.find("  Skelmar Builder\t" + busy + "\n    would not be updated: in use by another program\n"),
              std::string::npos) << r.out;
    EXPECT_NE(r.out.find("waypoints: now data cycle unknown, 1 rows; after data cycle 2606, 12 rows\n"),
              std::string::npos) << r.out;
    EXPECT_EQ(read_file(busy), busy_before);
    EXPECT_EQ(read_file(free), free_before);
    EXPECT_FALSE(fs::exists(previous_of(0)));
    EXPECT_FALSE(fs::exists(previous_of(5)));
}

TEST_F(Check, TellsEachFilesWarningsBesideItAndRefusesWhatAnUpdateWould) {
    const std::string product = install(0);
    const std::string before = read_file(product);
    const test::TempDir cycle;
    for (const char* name : {"earth_fix.dat", "earth_awy.dat"}) fs::copy_file(sample + "/" + name, cycle / name);
    const std::string fixes = read_file(cycle / "earth_fix.dat");
    test::write_file(cycle / "earth_fix.dat", fixes.substr(0, fixes.find('\n', fixes.size() / 2) + 1));

    const Result cut = run({"--check", cycle.path()});
    EXPECT_EQ(cut.status, kSuccess) << cut.err;
    EXPECT_NE(cut.out.find("  earth_fix.dat: data cycle 2606, 5 fixes\n"
                           "    Warning: earth_fix.dat does not end with its end line 99; it may have been cut short\n"
                           "  earth_awy.dat: "),
              std::string::npos) << cut.out;

    test::write_file(cycle / "earth_awy.dat", "");
    const Result refused = run({"--check", cycle.path()});
    EXPECT_EQ(refused.status, kFailed);
    EXPECT_NE(refused.err.find("earth_awy.dat holds no airway"), std::string::npos) << refused.err;
    EXPECT_EQ(read_file(product), before);
}

} // namespace
} // namespace quill::cli
