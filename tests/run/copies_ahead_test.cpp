// The copy thread once the run has failed: it stops after the copy in hand and
// leaves no copy behind.
#include "allocation_hook.h"

#include "app/target_table.h"
#include "app/file_system.h"
#include "run/copies_ahead.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <optional>
#include <thread>

namespace quill::test {
namespace {

// What a copy of a database file allocates once, for its buffer
// (run/file_replace.cpp).
constexpr std::size_t kCopyBuffer = 1 << 16;

TEST(CopiesAheadTest, StoppedAndDroppedWhileCopyingItMakesNoOtherCopyAndRemovesAll) {
    const AppDataSandbox appdata;
    constexpr TargetSelection kTwoTargets{true, false, false, false, false, true, false, false};
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!kTwoTargets[row]) continue;
        make_folders(target_folder(TargetTable[row]));
        create_product_database(target_path(TargetTable[row]));
    }
    const std::string source = appdata / "GPS.db";
    create_product_database(source);

    const std::thread::id caller = std::this_thread::get_id();
    std::latch copying(1);
    std::latch go_on(1);
    std::atomic<int> copies_begun = 0;
    const AllocationHook held(kCopyBuffer, [&] {
        if (std::this_thread::get_id() == caller) return;
        if (++copies_begun > 1) return;
        copying.count_down();
        go_on.wait();
    });
    std::optional<CopiesAhead> ahead(std::in_place, kTwoTargets, source);
    copying.wait();
    ahead->stop();
    go_on.count_down();
    ahead.reset();

    EXPECT_EQ(copies_begun, 1);
    for (std::size_t row = 0; row < kTargetCount; ++row) {
        if (!kTwoTargets[row]) continue;
        EXPECT_FALSE(anything_exists(target_path(TargetTable[row]) + ".tmp"));
    }
}

} // namespace
} // namespace quill::test
