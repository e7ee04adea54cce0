// Tests that the holdings record stays true when an update or a restore is killed part way.
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
        return run_update(host, {work_folder_, false});
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

    // What a kill would leave as the run turns to its second target, looked
    // at as the run opens it: the first target holds `first` and keeps
    // `first_previous` before it; the second still holds `second`.
    test::FileLayerHook expect_at_second_target(std::string first, std::string first_previous,
                                                std::string second) {
        return test::FileLayerHook::on_open(path(kSecond), [=, this] {
            expect_holds(kFirst, first);
            expect_previous_holds(kFirst, first_previous);
            expect_holds(kSecond, second);
            ++looked_;
        });
    }

    static constexpr std::size_t kFirst = 0;
    static constexpr std::size_t kSecond = 1;
    static constexpr TargetSelection kBoth{true, true, false, false, false, false, false, false};
    int looked_ = 0;
    test::AppDataSandbox appdata_;
    const std::string work_folder_ = make_work_folder();
    const test::CycleFolder older_{"2601", "2601", "2601", "2601"};
    const test::CycleFolder newer_{"2606", "2606", "2606", "2606"};
};

// Killed as it turns to its second target, an update leaves the record true
// to the files: the first target holds the new cycle and keeps the one before
// as its previous, which a restore would put back; the second still holds
// what it held.
TEST_F(RecordTest, AnUpdateKilledAtItsSecondTargetLeavesTheRecordTrue) {
    ASSERT_TRUE(update(older_).failures.empty());
    const auto killed_here = expect_at_second_target("2606", "2601", "2601");
    EXPECT_TRUE(update(newer_).failures.empty());
    EXPECT_EQ(looked_, 1);
}

// A restore, killed at its second target or not, keeps the record as true:
// what was previous is now held, and what was held is now previous.
TEST_F(RecordTest, ARestoreKilledAtItsSecondTargetLeavesTheRecordTrue) {
    ASSERT_TRUE(update(older_).failures.empty());
    ASSERT_TRUE(update(newer_).failures.empty());
    const auto killed_here = expect_at_second_target("2601", "2606", "2606");
    const UpdateLock held(work_folder_);
    const std::vector<PublishResult> restored = restore_previous_databases(kBoth, work_folder_, held);
    EXPECT_EQ(looked_, 1);
    ASSERT_EQ(restored.size(), 2u);
    for (const std::size_t row : {kFirst, kSecond}) {
        EXPECT_TRUE(restored[row].written) << restored[row].reason;
        expect_holds(row, "2601");
        expect_previous_holds(row, "2606");
    }
}

} // namespace
} // namespace quill
