#include <gtest/gtest.h>

#include <string>

#include "app/platform.h"
#include "app/target_table.h"
#include "app/work_folder.h"
#include "run/holdings_record.h"
#include "run/previous_database.h"
#include "run/restore_run.h"
#include "run/update_run.h"
#include "support/cycle_folder.h"
#include "support/file_layer_hook.h"
#include "support/temp_dir.h"

namespace quill {
namespace {

// An update of every category of a cycle folder over the given targets.
class Update : public RunHost {
public:
    Update(std::string folder, TargetSelection targets)
        : folder_(std::move(folder)), targets_(targets) {}

    std::string source_folder() override { return folder_; }
    bool category_selected(Category) override { return true; }
    TargetSelection targets_selected() override { return targets_; }
    void progress(const std::string&) override {}
    void airport_line_error(const std::string&) override {}
    void warning(const std::string&) override {}

private:
    std::string folder_;
    TargetSelection targets_;
};

CategoryCycles all_of(const std::string& cycle) { return {cycle, cycle, cycle, cycle}; }

class RecordTest : public testing::Test {
protected:
    RecordTest() {
        for (const std::size_t row : {kFirst, kSecond}) {
            test::make_folders(target_folder(TargetTable[row]));
            test::create_product_database(path(row));
        }
    }

    static std::string path(std::size_t row) { return target_path(TargetTable[row]); }
    RunOutcome update(const test::CycleFolder& cycle) {
        Update host(cycle.path(), kBoth);
        return RunUpdate(host, {work_folder_, false});
    }
    // The record says the target holds the cycle, and its file is as it was
    // recorded.
    void expect_holds(std::size_t row, const std::string& cycle) const {
        const std::optional<Holding> current =
            HoldingsRecord(work_folder_).current(TargetTable[row]);
        ASSERT_TRUE(current) << row;
        EXPECT_EQ(current->cycles, all_of(cycle)) << row;
        EXPECT_EQ((FileStamp{current->file_size, current->file_time}), file_stamp(path(row)))
            << row << ": the file changed since it was recorded";
    }
    void expect_previous_holds(std::size_t row, const std::string& cycle) const {
        const std::optional<Holding> previous =
            HoldingsRecord(work_folder_).previous(TargetTable[row]);
        ASSERT_TRUE(previous) << row;
        EXPECT_EQ(previous->cycles, all_of(cycle)) << row;
    }

    static constexpr std::size_t kFirst = 0;
    static constexpr std::size_t kSecond = 1;
    static constexpr TargetSelection kBoth{true, true, false, false, false, false, false, false};
    test::AppDataSandbox appdata_;
    const std::string work_folder_ = MakeWorkFolder();
    const test::CycleFolder older_{"2601", "2601", "2601", "2601"};
    const test::CycleFolder newer_{"2606", "2606", "2606", "2606"};
};

// Killed as it turns to its second target, an update leaves the record true
// to the files: the first target holds the new cycle and keeps the one before
// as its previous, which a restore would put back; the second still holds
// what it held.
TEST_F(RecordTest, AnUpdateKilledAtItsSecondTargetLeavesTheRecordTrue) {
    ASSERT_TRUE(update(older_).failures.empty());
    bool looked = false;
    const auto killed_here = test::FileLayerHook::on_open(path(kSecond), [&] {
        expect_holds(kFirst, "2606");
        expect_previous_holds(kFirst, "2601");
        expect_holds(kSecond, "2601");
        looked = true;
    });
    EXPECT_TRUE(update(newer_).failures.empty());
    EXPECT_TRUE(looked);
}

// A restore, killed at its second target or not, keeps the record as true:
// what was previous is now held, and what was held is now previous.
TEST_F(RecordTest, ARestoreKilledAtItsSecondTargetLeavesTheRecordTrue) {
    ASSERT_TRUE(update(older_).failures.empty());
    ASSERT_TRUE(update(newer_).failures.empty());
    bool looked = false;
    const auto killed_here = test::FileLayerHook::on_open(path(kSecond), [&] {
        expect_holds(kFirst, "2601");
        expect_previous_holds(kFirst, "2606");
        expect_holds(kSecond, "2606");
        looked = true;
    });
    const std::vector<PublishResult> restored = RestorePreviousDatabases(kBoth, work_folder_);
    EXPECT_TRUE(looked);
    ASSERT_EQ(restored.size(), 2u);
    for (const std::size_t row : {kFirst, kSecond}) {
        EXPECT_TRUE(restored[row].written) << restored[row].reason;
        expect_holds(row, "2601");
        expect_previous_holds(row, "2606");
    }
}

} // namespace
} // namespace quill
