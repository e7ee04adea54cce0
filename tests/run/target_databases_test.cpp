#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "run/target_databases.h"
#include "app/target_table.h"
#include "app/work_folder.h"
#include "app/error.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

namespace fs = std::filesystem;
using test::read_file;
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
    void SetUp() override { work_folder_ = MakeWorkFolder(); }

    // Installs a product database whose bytes name its row.
    std::string install(std::size_t row) {
        test::make_folders(target_folder(TargetTable[row]));
        const std::string path = target_path(TargetTable[row]);
        write_file(path, old_bytes(row));
        return path;
    }
    static std::string old_bytes(std::size_t row) {
        return "product database " + std::to_string(row) + std::string(100, 'x');
    }
    std::string work_database() const { return work_database_path(work_folder_); }

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
    EXPECT_EQ(DetectTargets(), expected);
}

TEST_F(TargetDatabasesTest, SeedsFromTheFirstSelectedTarget) {
    install(0);
    const std::string console = install(1);
    install(4);
    write_file(work_database(), std::string(1000, 'w'));

    SeedWorkDatabase({false, true, false, false, true, false, false, false}, work_folder_);

    EXPECT_EQ(read_file(work_database()), read_file(console));
    EXPECT_FALSE(fs::exists(work_database() + ".tmp"));
}

TEST_F(TargetDatabasesTest, SeedingWithoutASelectedTargetFails) {
    install(0);
    try {
        SeedWorkDatabase({}, work_folder_);
        FAIL() << "seeded without a selection";
    } catch (const Error& e) {
        EXPECT_EQ(e.message(), "No target database selected");
    }
    EXPECT_FALSE(fs::exists(work_database()));
}

TEST_F(TargetDatabasesTest, SeedingFromAVanishedTargetNamesIt) {
    const std::string vanished = target_path(TargetTable[2]);
    install(3);
    try {
        SeedWorkDatabase({false, false, true, true, false, false, false, false}, work_folder_);
        FAIL() << "seeded from a missing file";
    } catch (const Error& e) {
        const std::string start = "Could not copy " + vanished + " to the work folder: ";
        EXPECT_EQ(e.message().substr(0, start.size()), start) << e.message();
        EXPECT_GT(e.message().size(), start.size()) << "the reason is given";
    }
    EXPECT_FALSE(fs::exists(work_database())) << "no other target is tried";
}

TEST_F(TargetDatabasesTest, PublishingGoesOnPastTargetsThatCannotBeWritten) {
    for (std::size_t row = 0; row < kTargetCount; ++row) install(row);
    write_file(work_database(), "refilled work database");
    const std::size_t vanished = 2;
    fs::remove_all(target_folder(TargetTable[vanished]));
    const std::size_t blocked = 6;
    const std::string in_the_way = target_path(TargetTable[blocked]) + ".tmp";
    test::make_folders(in_the_way);
    write_file(in_the_way + "/keep", "not ours");

    TargetSelection selected;
    selected.fill(true);
    selected[0] = false;
    const std::vector<PublishResult> results = PublishWorkDatabase(selected, work_folder_);

    ASSERT_EQ(results.size(), 7u);
    for (const PublishResult& result : results) {
        const std::string path = target_path(TargetTable[result.row]);
        if (result.row == vanished || result.row == blocked) {
            EXPECT_FALSE(result.written) << path;
            EXPECT_FALSE(result.reason.empty()) << path;
            continue;
        }
        EXPECT_TRUE(result.written) << path << ": " << result.reason;
        EXPECT_EQ(read_file(path), "refilled work database") << path;
        EXPECT_FALSE(fs::exists(path + ".tmp")) << path;
    }
    EXPECT_EQ(results.front().row, 1u);
    EXPECT_EQ(read_file(target_path(TargetTable[blocked])), old_bytes(blocked));
    EXPECT_EQ(read_file(in_the_way + "/keep"), "not ours");
    EXPECT_FALSE(fs::exists(target_folder(TargetTable[vanished])));
    EXPECT_EQ(read_file(target_path(TargetTable[0])), old_bytes(0)) << "not selected";
}

TEST_F(TargetDatabasesTest, AFailedReplaceRemovesItsTemporaryFile) {
    const std::string occupied = target_path(TargetTable[3]);
    test::make_folders(occupied);
    write_file(occupied + "/inside", "folder content");
    const std::string next = install(4);
    write_file(work_database(), "refilled work database");

    const std::vector<PublishResult> results =
        PublishWorkDatabase({false, false, false, true, true, false, false, false}, work_folder_);

    ASSERT_EQ(results.size(), 2u);
    EXPECT_FALSE(results[0].written);
    EXPECT_FALSE(fs::exists(occupied + ".tmp"));
    EXPECT_EQ(read_file(occupied + "/inside"), "folder content");
    EXPECT_TRUE(results[1].written) << results[1].reason;
    EXPECT_EQ(read_file(next), "refilled work database");
}

TEST_F(TargetDatabasesTest, PublishingRecreatesAVanishedFileInAnExistingFolder) {
    const std::string path = install(7);
    fs::remove(path);
    write_file(work_database(), "refilled work database");

    const std::vector<PublishResult> results =
        PublishWorkDatabase({false, false, false, false, false, false, false, true}, work_folder_);

    ASSERT_EQ(results.size(), 1u);
    EXPECT_TRUE(results[0].written) << results[0].reason;
    EXPECT_EQ(read_file(path), "refilled work database");
}

} // namespace
} // namespace quill
