// Tests of whole updates through the headless tool: progress, publishing, products in use, failures
// and usage errors.
#include "app/target_table.h"
#include "app/platform.h"
#include "cli/cli_app.h"
#include "run/update_run.h"
#include "cli_fixture.h"
#include "support/file_layer_hook.h"
#include "support/product_states.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/unshared_hold.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <sstream>

namespace quill::cli {
namespace {

using test::AppDataSandbox;
using test::sql_count;

const std::string kAllFourLines =
    "Converting Airports...\nConverting NavAids...\nConverting Waypoints...\n"
    "Converting Airways...\n \n"
    "Loading Airports (Land)...\nLoading Airports (Water)...\nLoading Airports (Heliports)...\n"
    "Loading Airport Comms...\nLoading Airport Info...\nLoading Nav NDBs...\n"
    "Loading Nav NDB-DMEs...\nLoading Nav VORs...\nLoading Nav VOR-DMEs...\n"
    "Loading Nav VORTACs...\nLoading Nav TACANs...\nLoading Nav DMEs...\n"
    "Loading Waypoints/Fixes...\nLoading Airways (High)...\nLoading Airways (Low)...\n"
    "Loading Localizers...\nLoading Glideslopes...\nLoading Marker Beacons...\n"
    "Loading FPAPs...\nLoading LTPs...\n";

TEST_F(Cli, UpdatesEveryCategoryInOrderAndPublishesToEveryTarget) {
    const std::string first = install(0);
    const std::string third = install(5);
    const Result r = run({sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, kAllFourLines);
    for (const std::string& db : {first, third}) {
        EXPECT_GT(sql_count(db, "SELECT count(*) FROM Airport"), 0);
        EXPECT_GT(sql_count(db, "SELECT count(*) FROM NavAirway"), 0);
        EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
    }
    EXPECT_EQ(test::read_file(first), test::read_file(third));
    EXPECT_TRUE(std::filesystem::exists(work_file("GPS.db")));
    EXPECT_FALSE(std::filesystem::exists(work_file("earth_fix.csv")));
}

TEST_F(Cli, OnlyWaypointsRefillsOnlyTheWaypointTable) {
    const std::string db = install(1);
    const Result r = run({"--categories", "waypoints", sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, "Converting Waypoints...\n \nLoading Waypoints/Fixes...\n");
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM NavWPT"), 0);
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavNDB WHERE NDBID = 'OLD'"), 1);
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavAirway WHERE FixName = 'OLD'"), 1);
}

TEST_F(Cli, StaleIntermediateFileOfAFailedRunIsNotLoaded) {
    const std::string db = install(0);
    test::make_folders(work_file(""));
    test::write_file(work_file("earth_nav_ndb.csv"),
                     "SHAPEID|LAT(Y)|LON(X)|ELEVATION(FEET AMSL)|ID|NAME|TYPE|FREQ\r\n"
                     "1|1|2|0|STALE|STALE|NDB|300\r\n");
    const Result r = run({"--categories=waypoints", sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavNDB WHERE NDBID = 'STALE'"), 0);
    EXPECT_EQ(r.out.find("NDB"), std::string::npos);
}

TEST_F(Cli, FailureWhileLoadingLeavesEveryProductDatabaseAsItWas) {
    const std::string broken = install(0, std::string(kSeedRows) + "ALTER TABLE NavLTP DROP COLUMN ProviderName;");
    const std::string other = install(1);
    const std::string broken_before = test::read_file(broken);
    const std::string other_before = test::read_file(other);
    const Result r = run({sample});
    EXPECT_EQ(r.status, kFailed);
    EXPECT_NE(r.err.find("ProviderName"), std::string::npos) << r.err;
    EXPECT_EQ(test::read_file(broken), broken_before);
    EXPECT_EQ(test::read_file(other), other_before);
}

TEST_F(Cli, TargetThatCannotBeReplacedIsReportedWhileTheOthersAreUpdated) {
    const std::string good = install(0);
    const std::string stuck = install(1);
    const std::string stuck_before = test::read_file(stuck);
    // A folder where the temporary copy has to go makes the replacement fail, even for root.
    test::make_folders(stuck + ".tmp/blocker");
    const Result r = run({"--categories", "waypoints", sample});
    EXPECT_EQ(r.status, kSomeNotUpdated);
    EXPECT_NE(r.out.find("\nCould not update Skelmar Console: "), std::string::npos) << r.out;
    EXPECT_NE(r.err.find("1 of 2 product databases could not be updated"), std::string::npos) << r.err;
    EXPECT_EQ(test::read_file(stuck), stuck_before);
    EXPECT_EQ(sql_count(good, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
}

// A product killed with rows still in its WAL: the run reads them, keeps the
// ones of the tables it does not reload, and no old frame replays later.
TEST_F(Cli, RowsAProductLeftInItsWalSurviveAnUpdateOfOtherTables) {
    const std::string path = target_path(TargetTable[0]);
    test::make_folders(target_folder(TargetTable[0]));
    test::leave_wal_behind(path, std::string(kSeedRows) + test::waypoint_rows("WALWP", 3000));
    const Result r = run({"--categories", "waypoints", sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
    EXPECT_EQ(sql_count(path, "SELECT count(*) FROM NavAirway WHERE FixName = 'OLD'"), 1);
    EXPECT_EQ(sql_count(path, "SELECT count(*) FROM NavNDB WHERE NDBID = 'OLD'"), 1);
    EXPECT_EQ(sql_count(path, "SELECT count(*) FROM NavWPT WHERE WPTName LIKE 'WALWP%'"), 0);
    EXPECT_GT(sql_count(path, "SELECT count(*) FROM NavWPT"), 0);
    EXPECT_EQ(test::sql_rows(path, "PRAGMA integrity_check"), std::vector<std::string>{"ok"});
}

// The ways a product keeps its database from being updated while it runs.
struct HoldCase {
    const char* name;
    bool possible;
    std::function<std::shared_ptr<void>(const std::string& path)> hold;
};

void PrintTo(const HoldCase& c, std::ostream* out) { *out << c.name; }

class ProductHold : public Cli, public testing::WithParamInterface<HoldCase> {};

// Held second, then first: the product the work database would be seeded
// from is passed over like any other.
TEST_P(ProductHold, IsReportedAsInUseAndTheOthersAreUpdated) {
    if (!GetParam().possible) GTEST_SKIP() << GetParam().name << ": not on this system";
    for (const std::size_t held_row : {std::size_t{1}, std::size_t{0}}) {
        SCOPED_TRACE(TargetTable[held_row].caption);
        std::filesystem::remove_all(appdata / "Orvanel");
        const std::string free = install(1 - held_row);
        const std::string held = install(held_row);
        const std::string held_bytes = test::read_file(held);
        Result r;
        {
            const std::shared_ptr<void> product = GetParam().hold(held);
            r = run({"--categories", "waypoints", sample});
        }
        EXPECT_EQ(r.status, kSomeNotUpdated) << r.err;
        const std::string line =
            "Could not update " + std::string(TargetTable[held_row].caption) + ": in use by another program\n";
        EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
        EXPECT_EQ(test::read_file(held), held_bytes);
        EXPECT_EQ(sql_count(free, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ProductHold,
    testing::Values(
        HoldCase{"WritingThroughSqlite", true,
                 [](const std::string& path) {
                     return std::make_shared<test::RunningProduct>(path, test::RunningProduct::Mode::Writing);
                 }},
        // A Windows share mode: the file cannot even be opened.
        HoldCase{"OpenWithoutSharing", test::UnsharedHold::kPossible,
                 [](const std::string& path) { return std::make_shared<test::UnsharedHold>(path); }}),
    [](const testing::TestParamInfo<HoldCase>& case_info) { return std::string(case_info.param.name); });

// Windows writes a product database in place through SQLite. A disk that
// fills up part way through is rolled back before the run ends: the product
// keeps its database byte for byte, with no journal beside it, and a product
// that only reads it opens it. (The work database is large enough for SQLite
// to write pages before the end of the copy, as with real navigation data.)
TEST_F(Cli, ADiskFillingUpDuringAnInPlaceWriteLeavesTheProductDatabaseAsItWas) {
    if (kRenameReplacesOpenFiles) GTEST_SKIP() << "targets are replaced by rename here, none in place";
    const std::string updated = install(0, std::string(kSeedRows) + test::waypoint_rows("KEPT", 100000));
    const std::string full = install(1);
    const std::string before = test::read_file(full);
    Result r;
    {
        const auto disk = test::FileLayerHook::full_disk(full, static_cast<std::int64_t>(before.size()) + 8 * 4096);
        r = run({"--categories", "airways", sample});
    }
    EXPECT_EQ(r.status, kSomeNotUpdated);
    EXPECT_NE(r.out.find("Could not update Skelmar Console: Disk full\n"), std::string::npos) << r.out;
    EXPECT_TRUE(test::read_file(full) == before) << "the product database changed";
    EXPECT_FALSE(std::filesystem::exists(full + "-journal"));
    EXPECT_EQ(sql_count(full, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'", test::Access::ReadOnly), 1);
    EXPECT_EQ(sql_count(updated, "SELECT count(*) FROM NavAirway WHERE FixName = 'OLD'"), 0);
}

// A second update while one is running touches nothing and says why.
TEST_F(Cli, ASecondUpdateWhileOneRunsFailsAtOnce) {
    const std::string path = install(0);
    const std::string before = test::read_file(path);
    test::make_folders(work_file(""));
    test::write_file(work_file("earth_fix.csv"), "the running update's file");
    const FileLock running(work_file(std::string(kUpdateLockName)));
    ASSERT_TRUE(running.held());

    const Result r = run({sample});
    EXPECT_EQ(r.status, kFailed);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(kAnotherUpdateRunning) + "\n");
    EXPECT_EQ(test::read_file(work_file("earth_fix.csv")), "the running update's file");
    EXPECT_EQ(test::read_file(path), before);
}

TEST_F(Cli, KeepIntermediateLeavesTheFilesForInspection) {
    install(0);
    const Result r = run({"--keep-intermediate", "--categories", "waypoints,airways", sample});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_TRUE(std::filesystem::exists(work_file("earth_fix.csv")));
    EXPECT_TRUE(std::filesystem::exists(work_file("earth_awy_High.csv")));
}

// A pipe or a device named like a source file would hang a reader: it is no
// source file, so its category is not found and nothing tries to read it.
TEST_F(Cli, PipesAndDevicesNamedLikeSourceFilesAreNotSourceFiles) {
    const std::string db = install(0);
    test::TempDir cycle;
    test::write_file(cycle / "earth_fix.dat", "I\n1101 Version\n47.5 -122.25 ABCDE\n99\n");
    test::make_pipe(cycle / "earth_nav.dat");
    test::make_pipe(cycle / "EARTH_AWY.DAT");
    std::filesystem::create_symlink("/dev/zero", cycle / "apt.dat");
    const Result r = run({cycle.path()});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, "Converting Waypoints...\n \nLoading Waypoints/Fixes...\n");
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavWPT WHERE WPTName = 'ABCDE'"), 1);
    const Result list = run({"--list", cycle.path()});
    EXPECT_EQ(list.out.find("earth_nav.dat"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("apt.dat"), std::string::npos) << list.out;
}

TEST_F(Cli, ListShowsProductDatabasesAndSourceFilesWithTheirCycle) {
    const std::string db = install(6);
    const Result r = run({"--list", sample});
    EXPECT_EQ(r.status, kSuccess);
    EXPECT_NE(r.out.find("efis-gps3\tBrannock 3 EFIS GPS\t" + db), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("earth_fix.dat\tdata cycle 2606"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("skelmar-builder"), std::string::npos);
}

struct UsageCase {
    std::vector<std::string> args;
    std::string reason;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.reason; }

class CliUsage : public Cli, public testing::WithParamInterface<UsageCase> {};

TEST_P(CliUsage, IsRefusedBeforeAnythingIsConverted) {
    install(0);
    test::TempDir only_fixes;
    test::write_file(only_fixes / "earth_fix.dat", "I\n1101 Version\n47.5 -122.25 ABCDE\n99\n");
    const test::TempDir empty;
    const std::map<std::string, std::string> folders{
        {"SAMPLE", sample}, {"FIXES", only_fixes.path()}, {"EMPTY", empty.path()},
        {"FILE", only_fixes / "earth_fix.dat"}};
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(folders.contains(arg) ? folders.at(arg) : arg);
    const Result r = run(args);
    EXPECT_EQ(r.status, kUsage);
    EXPECT_TRUE(r.out.empty());
    EXPECT_NE(r.err.find(GetParam().reason), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("--help"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(work_file("earth_fix.csv")));
}

INSTANTIATE_TEST_SUITE_P(Cases, CliUsage, testing::Values(
    UsageCase{{}, "no source folder given"},
    UsageCase{{"SAMPLE", "SAMPLE"}, "more than one source folder"},
    UsageCase{{"--bogus", "SAMPLE"}, "unknown option '--bogus'"},
    UsageCase{{"--categories", "fixes", "SAMPLE"}, "unknown category 'fixes'"},
    UsageCase{{"--categories", "airports", "FIXES"}, "category 'airports' has no apt.dat"},
    UsageCase{{"/nonexistent/folder"}, "'/nonexistent/folder' does not exist"},
    UsageCase{{"FILE"}, "is not a folder"},
    UsageCase{{"EMPTY"}, "' holds none of apt.dat, earth_nav.dat, earth_fix.dat, earth_awy.dat"},
    UsageCase{{"--appdata", "/nonexistent/appdata", "SAMPLE"}, "'/nonexistent/appdata' does not exist"},
    UsageCase{{"--list", "--appdata", "FILE"}, "earth_fix.dat' is not a folder"},
    UsageCase{{"--appdata=", "SAMPLE"}, "option '--appdata' needs a folder"},
    UsageCase{{"--restore", "SAMPLE"}, "--restore cannot be combined with a source folder"},
    UsageCase{{"--restore", "--categories", "waypoints"}, "--restore cannot be combined with --categories"},
    UsageCase{{"--restore", "--keep-intermediate"}, "--restore cannot be combined with --keep-intermediate"},
    UsageCase{{"--list", "--restore"}, "--list cannot be combined with --restore"},
    UsageCase{{"--check", "--list", "SAMPLE"}, "--check cannot be combined with --list"},
    UsageCase{{"--check", "--restore"}, "--check cannot be combined with --restore"},
    UsageCase{{"--list", "--categories", "waypoints", "SAMPLE"}, "--list cannot be combined with --categories"},
    UsageCase{{"--list", "--keep-intermediate"}, "--list cannot be combined with --keep-intermediate"},
    UsageCase{{"--list", "--targets", "efis-gps"}, "product database 'efis-gps' does not exist"},
    UsageCase{{"--targets", "mfd-gps", "SAMPLE"}, "product database 'mfd-gps' does not exist"},
    UsageCase{{"--targets", "gps", "SAMPLE"}, "unknown product database 'gps'"},
    UsageCase{{"--targets"}, "needs a value"},
    UsageCase{{"--", "SAMPLE", "--"}, "more than one source folder given"},
    UsageCase{{"--", "--categories=waypoints"}, "'--categories=waypoints' does not exist"}),
    [](const testing::TestParamInfo<UsageCase>& case_info) {
        std::string name;
        for (char c : case_info.param.reason)
            if (std::isalnum(static_cast<unsigned char>(c))) name.push_back(c);
        return name;
    });

// "--" ends the options: a folder after it is taken whatever its name, and
// "--" after the folder changes nothing.
TEST_F(Cli, DoubleDashEndsTheOptions) {
    const std::string db = install(0);
    test::TempDir parent;
    const std::string dashed = parent / "--list";
    test::make_folders(dashed);
    test::write_file(dashed + "/earth_fix.dat", "I\n1101 Version\n47.5 -122.25 ABCDE\n99\n");
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--", dashed},
                                                 std::vector<std::string>{dashed, "--"}}) {
        const Result r = run(args);
        EXPECT_EQ(r.status, kSuccess) << r.err;
        EXPECT_EQ(r.out, "Converting Waypoints...\n \nLoading Waypoints/Fixes...\n");
    }
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavWPT WHERE WPTName = 'ABCDE'"), 1);
}

TEST_F(Cli, NoProductDatabaseAtAllIsAUsageError) {
    const Result r = run({sample});
    EXPECT_EQ(r.status, kUsage);
    EXPECT_NE(r.err.find("no product database found"), std::string::npos);
}

} // namespace
} // namespace quill::cli
