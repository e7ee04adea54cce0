// Tests of the product databases in a run: finding them, seeding from them and publishing over
// them, whatever state their products left them in.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "run/target_databases.h"
#include "app/target_table.h"
#include "app/work_folder.h"
#include "app/error.h"
#include "database/connection.h"
#include "database/sqlite_error.h"
#include "database/statement.h"
#include "support/product_states.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::sql_count;
using test::sql_rows;
using test::write_file;

struct PathCase {
    std::size_t row;
    std::string below_appdata;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.below_appdata; }

class TargetPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(TargetPathTest, KeepsFolderAndFileNamesAsWritten) {
    test::AppDataSandbox appdata;
    EXPECT_EQ(target_path(TargetTable[GetParam().row]), appdata / GetParam().below_appdata);
}

INSTANTIATE_TEST_SUITE_P(TableOrder, TargetPathTest,
                         testing::Values(PathCase{0, "Orvanel/Skelmar Builder/GPS.DB"},
                                         PathCase{1, "Orvanel/Skelmar Console/GPS.DB"},
                                         PathCase{2, "Halvern/Corvistan/NavData/GPS.DB"},
                                         PathCase{3, "Halvern/Corvistan/NavDataGPSEFIS/GPSEFIS.DB"},
                                         PathCase{4, "Halvern/Corvistan/NavDataGPSMFD/GPSMFD.DB"},
                                         PathCase{5, "Orvanel/Brannock3/NavData/GPS.DB"},
                                         PathCase{6, "Orvanel/Brannock3/NavDataGPSEFIS/GPSEFIS.DB"},
                                         PathCase{7, "Orvanel/Brannock3/NavDataGPSMFD/GPSMFD.DB"}));

// An application-data folder holding product databases and a work folder.
class TargetDatabasesTest : public testing::Test {
protected:
    void SetUp() override { work_folder_ = make_work_folder(); }

    static std::string path_of(std::size_t row) { return target_path(TargetTable[row]); }
    // Installs a product database whose one waypoint names its row.
    std::string install(std::size_t row) {
        test::make_folders(target_folder(TargetTable[row]));
        test::create_product_database(path_of(row), marker_row("OLD" + std::to_string(row)));
        return path_of(row);
    }
    static std::string marker_row(const std::string& name) {
        return "INSERT INTO NavWPT(WPTName) VALUES('" + name + "');";
    }
    // A refilled work database, told apart by its one waypoint.
    void make_work_database(std::string_view extra_sql = {}) {
        test::create_product_database(work_database(), marker_row("NEW") + std::string(extra_sql));
    }
    std::string work_database() const { return work_database_path(work_folder_); }

    // What the product sees when it opens its database for reading and writing.
    static std::vector<std::string> waypoints(const std::string& path) {
        return sql_rows(path, "SELECT WPTName FROM NavWPT ORDER BY id");
    }
    static void expect_sound(const std::string& path) {
        EXPECT_EQ(sql_rows(path, "PRAGMA integrity_check"), std::vector<std::string>{"ok"}) << path;
        EXPECT_FALSE(fs::exists(path + "-wal")) << path;
        EXPECT_FALSE(fs::exists(path + "-journal")) << path;
    }

    test::AppDataSandbox appdata_;
    std::string work_folder_;
};

TEST_F(TargetDatabasesTest, DetectsFilesAndFollowsLinks) {
    install(1);
    test::write_file(appdata_ / "elsewhere.db", "linked");
    test::make_folders(target_folder(TargetTable[5]));
    fs::create_symlink(appdata_ / "elsewhere.db", target_path(TargetTable[5]));
    test::make_folders(target_folder(TargetTable[3]));
    fs::create_symlink(appdata_ / "gone.db", target_path(TargetTable[3]));
    test::make_folders(target_path(TargetTable[4]));

    const TargetSelection expected{false, true, false, false, false, true, false, false};
    EXPECT_EQ(detect_targets(), expected);
}

TEST_F(TargetDatabasesTest, SeedsFromTheFirstSelectedTarget) {
    install(0);
    install(1);
    install(4);
    write_file(work_database(), std::string(1000, 'w'));

    seed_work_database({false, true, false, false, true, false, false, false}, work_folder_);

    EXPECT_EQ(waypoints(work_database()), std::vector<std::string>{"OLD1"});
    expect_sound(work_database());
}

TEST_F(TargetDatabasesTest, SeedingReadsWhatTheProductCommitted) {
    test::make_folders(target_folder(TargetTable[0]));
    test::leave_wal_behind(path_of(0), test::waypoint_rows("WAL", 3000));
    test::make_folders(target_folder(TargetTable[1]));
    test::leave_hot_journal(path_of(1), test::waypoint_rows("KEPT", 3000), "DELETE FROM NavWPT;");

    seed_work_database({true, false, false, false, false, false, false, false}, work_folder_);
    EXPECT_EQ(sql_count(work_database(), "SELECT count(*) FROM NavWPT WHERE WPTName LIKE 'WAL%'"), 3000);
    EXPECT_EQ(sql_rows(work_database(), "PRAGMA journal_mode"), std::vector<std::string>{"delete"})
        << "loading turns the journal off, which a WAL copy would refuse";
    expect_sound(work_database());

    seed_work_database({false, true, false, false, false, false, false, false}, work_folder_);
    EXPECT_EQ(sql_count(work_database(), "SELECT count(*) FROM NavWPT WHERE WPTName LIKE 'KEPT%'"), 3000)
        << "the half-written delete is rolled back first";
    expect_sound(work_database());
}

TEST_F(TargetDatabasesTest, SeedingWithoutASelectedTargetFails) {
    install(0);
    try {
        seed_work_database({}, work_folder_);
        FAIL() << "seeded without a selection";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), "No target database selected");
    }
    EXPECT_FALSE(fs::exists(work_database()));
}

// A first selected product database that cannot be read as one, and the
// reason it is passed over with; the path is named where the file is there
// but is no product database.
struct BrokenSeedCase {
    std::string name;
    std::function<void(const std::string& path)> break_it;
    std::string reason; // "<path>" stands for the broken file's path
};

void PrintTo(const BrokenSeedCase& c, std::ostream* out) { *out << c.name; }

class BrokenSeedTest : public TargetDatabasesTest, public testing::WithParamInterface<BrokenSeedCase> {
protected:
    // Row 2 broken as the case says, row 3 a sound product database.
    std::string break_row_2() {
        const std::string broken = install(2);
        GetParam().break_it(broken);
        install(3);
        return broken;
    }
    std::string expected_reason(const std::string& broken) const { return test::naming(GetParam().reason, broken); }
};

TEST_P(BrokenSeedTest, IsPassedOverForTheNextSelectedTarget) {
    const std::string broken = break_row_2();

    const std::vector<PublishResult> passed_over =
        seed_work_database({false, false, true, true, false, false, false, false}, work_folder_);

    ASSERT_EQ(passed_over.size(), 1u);
    EXPECT_EQ(passed_over[0].row, 2u);
    EXPECT_FALSE(passed_over[0].written);
    EXPECT_EQ(passed_over[0].reason.substr(0, expected_reason(broken).size()), expected_reason(broken));
    EXPECT_EQ(waypoints(work_database()), std::vector<std::string>{"OLD3"});
}

TEST_P(BrokenSeedTest, AloneFailsTheSeedingNamingIt) {
    const std::string broken = break_row_2();
    try {
        seed_work_database({false, false, true, false, false, false, false, false}, work_folder_);
        FAIL() << "seeded from a file that is no product database";
    } catch (const Error& e) {
        const std::string start = "Could not copy " + broken + " to the work folder: " + expected_reason(broken);
        EXPECT_EQ(e.message().substr(0, start.size()), start) << e.message();
    }
    EXPECT_FALSE(fs::exists(work_database()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BrokenSeedTest,
    testing::Values(
        BrokenSeedCase{"vanished", [](const std::string& path) { fs::remove(path); }, ""},
        BrokenSeedCase{"empty", [](const std::string& path) { write_file(path, ""); },
                       "<path> is not a product database: the file is empty"},
        BrokenSeedCase{"error_page",
                       [](const std::string& path) { write_file(path, "<html><body>Not Found</body></html>\n"); },
                       "<path> is not a product database: the file is not an SQLite database"},
        BrokenSeedCase{"foreign_schema",
                       [](const std::string& path) {
                           fs::remove(path);
                           Connection other;
                           other.open(path, Connection::Mode::Create);
                           Statement(other, "CREATE TABLE Notes (Text TEXT)").execute();
                       },
                       "<path> is not a product database: it has no table Airport"}),
    [](const testing::TestParamInfo<BrokenSeedCase>& case_info) { return case_info.param.name; });

TEST_F(TargetDatabasesTest, PublishingGoesOnPastTargetsThatCannotBeWritten) {
    for (std::size_t row = 0; row < kTargetCount; ++row) install(row);
    make_work_database();
    const std::size_t vanished = 2;
    fs::remove_all(target_folder(TargetTable[vanished]));
    const std::size_t blocked = 6;
    const std::string in_the_way = path_of(blocked) + ".tmp";
    const std::string blocked_bytes = read_file(path_of(blocked));
    test::make_folders(in_the_way);
    write_file(in_the_way + "/keep", "not ours");

    TargetSelection selected;
    selected.fill(true);
    selected[0] = false;
    const std::vector<PublishResult> results = publish_work_database(selected, work_folder_);

    ASSERT_EQ(results.size(), 7u);
    for (const PublishResult& result : results) {
        const std::string path = path_of(result.row);
        if (result.row == vanished || result.row == blocked) {
            EXPECT_FALSE(result.written) << path;
            EXPECT_FALSE(result.reason.empty()) << path;
            continue;
        }
        EXPECT_TRUE(result.written) << path << ": " << result.reason;
        EXPECT_EQ(read_file(path), read_file(work_database())) << path;
        EXPECT_FALSE(fs::exists(path + ".tmp")) << path;
    }
    EXPECT_EQ(results.front().row, 1u);
    EXPECT_EQ(read_file(path_of(blocked)), blocked_bytes);
    EXPECT_EQ(read_file(in_the_way + "/keep"), "not ours");
    EXPECT_FALSE(fs::exists(target_folder(TargetTable[vanished])));
    EXPECT_EQ(waypoints(path_of(0)), std::vector<std::string>{"OLD0"}) << "not selected";
}

TEST_F(TargetDatabasesTest, AFailedReplaceRemovesItsTemporaryFile) {
    const std::string occupied = path_of(3);
    test::make_folders(occupied);
    write_file(occupied + "/inside", "folder content");
    const std::string next = install(4);
    make_work_database();

    const std::vector<PublishResult> results =
        publish_work_database({false, false, false, true, true, false, false, false}, work_folder_);

    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].written);
    EXPECT_FALSE(fs::exists(occupied + ".tmp"));
    EXPECT_EQ(read_file(occupied + "/inside"), "folder content");
    EXPECT_TRUE(results[1].written) << results[1].reason;
    EXPECT_EQ(waypoints(next), std::vector<std::string>{"NEW"});
}

TEST_F(TargetDatabasesTest, PublishingRecreatesAVanishedFileInAnExistingFolder) {
    const std::string path = install(7);
    fs::remove(path);
    make_work_database();

    const std::vector<PublishResult> results =
        publish_work_database({false, false, false, false, false, false, false, true}, work_folder_);

    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].written) << results[0].reason;
    EXPECT_EQ(waypoints(path), std::vector<std::string>{"NEW"});
}

// Whatever a killed product left beside its database, the product then opens
// the new cycle, whole, and nothing of the old file replays into it.
TEST_F(TargetDatabasesTest, PublishingOverWhatAKilledProductLeftGivesTheNewDatabase) {
    test::make_folders(target_folder(TargetTable[0]));
    test::leave_wal_behind(path_of(0), test::waypoint_rows("WAL", 3000));
    test::make_folders(target_folder(TargetTable[1]));
    test::leave_hot_journal(path_of(1), test::waypoint_rows("OLD", 3000), "DELETE FROM NavWPT;");
    install(2);
    test::sql_exec(path_of(2), "PRAGMA page_size = 1024; PRAGMA journal_mode = WAL; VACUUM;");
    make_work_database();

    const std::vector<PublishResult> results =
        publish_work_database({true, true, true, false, false, false, false, false}, work_folder_);

    ASSERT_EQ(results.size(), 3u);
    for (const PublishResult& result : results) {
        EXPECT_TRUE(result.written) << result.reason;
        EXPECT_EQ(waypoints(path_of(result.row)), std::vector<std::string>{"NEW"}) << result.row;
        expect_sound(path_of(result.row));
    }
}

// A product still running keeps its database: it is reported, left byte for
// byte, and the next target is still updated.
class HeldTargetTest : public TargetDatabasesTest,
                       public testing::WithParamInterface<test::RunningProduct::Mode> {};

TEST_P(HeldTargetTest, IsReportedAndKept) {
    install(0);
    install(1);
    make_work_database();
    const test::RunningProduct product(path_of(0), GetParam());
    const std::string held_bytes = read_file(path_of(0));

    const std::vector<PublishResult> results =
        publish_work_database({true, true, false, false, false, false, false, false}, work_folder_);

    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].written);
    EXPECT_EQ(results[0].reason, kInUseReason);
    EXPECT_EQ(read_file(path_of(0)), held_bytes);
    EXPECT_FALSE(fs::exists(path_of(0) + ".tmp"));
    EXPECT_TRUE(results[1].written) << results[1].reason;
    EXPECT_EQ(waypoints(path_of(1)), std::vector<std::string>{"NEW"});
}

// A product that has its database open but is not using it does not keep it
// from being updated: POSIX systems rename the new file over the open one,
// Windows (which refuses that) has it written in place. The next target is
// updated too.
TEST_F(TargetDatabasesTest, ADatabaseThatAProductHoldsOpenIdleIsUpdated) {
    install(0);
    install(1);
    make_work_database();
    Connection product;
    product.open(path_of(0));
    Statement read(product, "SELECT count(*) FROM NavWPT");
    ASSERT_TRUE(read.step());
    read.reset();

    const std::vector<PublishResult> results =
        publish_work_database({true, true, false, false, false, false, false, false}, work_folder_);

    ASSERT_EQ(results.size(), 2u);
    for (const PublishResult& result : results) {
        EXPECT_TRUE(result.written) << path_of(result.row) << ": " << result.reason;
        EXPECT_EQ(waypoints(path_of(result.row)), std::vector<std::string>{"NEW"});
        expect_sound(path_of(result.row));
        EXPECT_FALSE(fs::exists(path_of(result.row) + ".tmp"));
    }
}

INSTANTIATE_TEST_SUITE_P(RunningProducts, HeldTargetTest,
                         testing::Values(test::RunningProduct::Mode::Writing,
                                         test::RunningProduct::Mode::ReadingWal));

} // namespace
} // namespace quill
