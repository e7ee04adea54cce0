// Tests of --restore and --list, and of the record of what each product holds.
#include "cli_fixture.h"
#include "run/previous_database.h"
#include "run/update_lock.h"
#include "support/cycle_folder.h"
#include "support/product_states.h"
#include "support/sql_rows.h"

#include <filesystem>
#include <regex>

namespace quill::cli {
namespace {

namespace fs = std::filesystem;
using test::CycleFolder;
using test::read_file;

class Undo : public Cli {
protected:
    std::string previous_of(std::size_t row) {
        return previous_database_path(work_file(""), TargetTable[row]);
    }
    // The lines --list gives for a product database, from its key to the next one.
    std::string listed(std::size_t row) {
        const Result r = run({"--list"});
        const std::size_t start = r.out.find(std::string(TargetTable[row].key) + "\t");
        if (start == std::string::npos) return "(not listed)\n" + r.out;
        const std::size_t end = r.out.find("\n  ", r.out.find("previous:", start));
        return r.out.substr(start, end == std::string::npos ? std::string::npos : end - start + 1);
    }
};

TEST_F(Undo, RestorePutsBackTheDatabaseBeforeTheUpdateAndASecondRestoreTheUpdate) {
    const std::string path = install(0);
    const std::string before = read_file(path);
    ASSERT_EQ(run({sample}).status, kSuccess);
    const std::string updated = read_file(path);
    ASSERT_NE(updated, before);

    Result r = run({"--restore"});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, "Restored Skelmar Builder\n");
    EXPECT_EQ(read_file(path), before);
    EXPECT_EQ(read_file(previous_of(0)), updated);

    r = run({"--restore", "--targets", "skelmar-builder"});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(read_file(path), updated);
    EXPECT_EQ(read_file(previous_of(0)), before);
}

TEST_F(Undo, ATargetWithoutAPreviousDatabaseIsRefusedWhenNamedAndPassedOverOtherwise) {
    install(0);
    install(1);
    ASSERT_EQ(run({"--targets", "skelmar-builder", sample}).status, kSuccess);

    Result r = run({"--restore", "--targets", "skelmar-console"});
    EXPECT_EQ(r.status, kUsage);
    EXPECT_NE(r.err.find("'skelmar-console' has no previous database"), std::string::npos) << r.err;

    r = run({"--restore"});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.out, "Restored Skelmar Builder\n");
    EXPECT_EQ(r.err, "No previous database of Skelmar Console is kept; skipped\n");
}

TEST_F(Undo, NothingKeptToRestoreIsAFailureThatSaysSo) {
    const std::string path = install(0);
    const std::string before = read_file(path);
    const Result r = run({"--restore"});
    EXPECT_EQ(r.status, kFailed);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Nothing to restore: no product database has a previous database kept\n");
    EXPECT_EQ(read_file(path), before);
}

// While an update runs, a restore says that and nothing else: not what it
// would pass over, nor what it would refuse, since the running update may
// be changing what is kept.
struct RestoreCase {
    const char* name;
    std::vector<std::string> args;
};

void PrintTo(const RestoreCase& c, std::ostream* out) { *out << c.name; }

class RestoreWhileAnUpdateRuns : public Undo, public testing::WithParamInterface<RestoreCase> {};

TEST_P(RestoreWhileAnUpdateRuns, SaysOnlyThatAnotherUpdateIsRunning) {
    const std::string kept = install(0);
    install(1);
    ASSERT_EQ(run({"--targets", "skelmar-builder", sample}).status, kSuccess);
    const std::string updated = read_file(kept);
    const FileLock running(work_file(std::string(kUpdateLockName)));
    ASSERT_TRUE(running.held());

    const Result r = run(GetParam().args);
    EXPECT_EQ(r.status, kFailed);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(kAnotherUpdateRunning) + "\n");
    EXPECT_EQ(read_file(kept), updated);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RestoreWhileAnUpdateRuns,
    testing::Values(RestoreCase{"EveryProductKept", {"--restore"}},
                    RestoreCase{"ANamedProductWithNothingKept",
                                {"--restore", "--targets", "skelmar-console"}}),
    [](const testing::TestParamInfo<RestoreCase>& case_info) { return std::string(case_info.param.name); });

TEST_F(Undo, AFailedPublishKeepsThePreviousDatabaseAlreadyKept) {
    install(0);
    const std::string path = install(1);
    ASSERT_EQ(run({sample}).status, kSuccess);
    const std::string kept = read_file(previous_of(1));
    const std::string recorded = listed(1);

    const test::RunningProduct product(path, test::RunningProduct::Mode::Writing);
    ASSERT_EQ(run({"--categories", "waypoints", sample}).status, kSomeNotUpdated);
    EXPECT_EQ(read_file(previous_of(1)), kept);
    EXPECT_FALSE(fs::exists(previous_of(1) + ".taking"));
    EXPECT_EQ(listed(1), recorded);
}

TEST_F(Undo, TheRecordFollowsPartialUpdates) {
    install(0);
    EXPECT_NE(listed(0).find("holds: unknown\n    updated: never by this program\n    previous: none kept\n"),
              std::string::npos)
        << listed(0);

    const CycleFolder first("2601", "2601", "2603", "2601");
    ASSERT_EQ(run({"--categories", "waypoints", first.path()}).status, kSuccess);
    std::string lines = listed(0);
    EXPECT_NE(lines.find("holds: airports unknown, navaids unknown, waypoints 2603, airways unknown\n"),
              std::string::npos) << lines;
    EXPECT_TRUE(std::regex_search(lines, std::regex("updated: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d \\(waypoints\\)\n")))
        << lines;
    EXPECT_NE(lines.find("previous: kept, holds unknown\n"), std::string::npos) << lines;

    const CycleFolder second("2606", "", "2606", "2606");
    ASSERT_EQ(run({"--categories", "airports,navaids", second.path()}).status, kSuccess);
    lines = listed(0);
    EXPECT_NE(lines.find("holds: airports 2606, navaids none, waypoints 2603, airways unknown\n"),
              std::string::npos) << lines;
    EXPECT_NE(lines.find("(airports, navaids)\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("previous: kept, holds airports unknown, navaids unknown, waypoints 2603, airways unknown\n"),
              std::string::npos) << lines;
}

TEST_F(Undo, ListWithTargetsShowsOnlyThose) {
    install(0);
    install(5);
    const std::string db = install(6);
    const Result r = run({"--list", "--targets", "efis-gps3"});
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_NE(r.out.find("efis-gps3\tBrannock 3 EFIS GPS\t" + db), std::string::npos) << r.out;
    for (const char* other : {"skelmar-builder", "efis-brannock3"})
        EXPECT_EQ(r.out.find(other), std::string::npos) << r.out;
}

TEST_F(Undo, ListShowsADatabaseChangedBehindTheProgramsBack) {
    const std::string path = install(0);
    ASSERT_EQ(run({sample}).status, kSuccess);
    EXPECT_EQ(listed(0).find("changed since"), std::string::npos) << listed(0);
    test::sql_exec(path, "INSERT INTO NavWPT (WPTName) VALUES ('MINE');");
    EXPECT_NE(listed(0).find(", changed since\n"), std::string::npos) << listed(0);
}

struct MixedCase {
    const char* name;
    std::vector<std::string> categories;
    const char* cycles[4];
    std::string warning;
};

class MixedCycles : public Undo, public testing::WithParamInterface<MixedCase> {};

TEST_P(MixedCycles, AreWarnedOfOnceBeforeTheFirstConversion) {
    install(0);
    const MixedCase& c = GetParam();
    const CycleFolder folder(c.cycles[0], c.cycles[1], c.cycles[2], c.cycles[3]);
    std::vector<std::string> args = c.categories;
    args.push_back(folder.path());
    const Result r = run(args);
    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.err, c.warning);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MixedCycles,
    testing::Values(
        MixedCase{"AllAgree", {}, {"2606", "2606", "2606", "2606"}, ""},
        MixedCase{"TwoDiffer",
                  {"--categories", "airports,waypoints"},
                  {"2601", "2606", "2606", "2606"},
                  "Warning: the source files name different data cycles: apt.dat 2601, earth_fix.dat 2606\n"},
        MixedCase{"OneNamesNone",
                  {},
                  {"2606", "", "2606", "2606"},
                  "Warning: the source files name different data cycles: apt.dat 2606, earth_nav.dat none, "
                  "earth_fix.dat 2606, earth_awy.dat 2606\n"},
        MixedCase{"OnlyOneSelected", {"--categories", "airports"}, {"2601", "2606", "2606", "2606"}, ""},
        MixedCase{"DifferingFileNotSelected", {"--categories", "navaids,waypoints"}, {"2601", "2606", "2606", "2606"},
                  ""}),
    [](const testing::TestParamInfo<MixedCase>& case_info) { return std::string(case_info.param.name); });

TEST_F(Undo, NoProductDatabaseNamesTheFolderSearched) {
    const Result r = run({sample});
    EXPECT_EQ(r.status, kUsage);
    EXPECT_NE(r.err.find("no product database found in " + appdata.path() + " (APPDATA)"), std::string::npos)
        << r.err;
    const Result list = run({"--list"});
    EXPECT_NE(list.out.find("Product databases in " + appdata.path() + " (APPDATA):\n  none found\n"),
              std::string::npos) << list.out;
}

} // namespace
} // namespace quill::cli
