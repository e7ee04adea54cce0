// A run on several threads calls its host, fails and leaves its files as the
// run on one thread does, wherever the threads meet.
#include "allocation_hook.h"
#include "run_threads.h"

#include "app/platform.h"
#include "support/file_layer_hook.h"
#include "support/sql_rows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

namespace quill::test {
namespace {

// How often the run has opened and closed its work database, on whichever
// thread it did; the seeding opens it once, the load once more.
class WorkDatabaseWatch {
public:
    WorkDatabaseWatch()
        : hook_(FileLayerHook::on_open_and_close(
              native_path("/Orvanel/Quillstrom/GPS.db"), [this] { count(opened_); },
              [this] { count(closed_); })) {}

    void wait_until_opened(int times) { wait_until(opened_, times); }
    void wait_until_closed(int times) { wait_until(closed_, times); }
    bool closed(int times) {
        const std::lock_guard lock(mutex_);
        return closed_ >= times;
    }

private:
    void count(int& counter) {
        const std::lock_guard lock(mutex_);
        ++counter;
        changed_.notify_all();
    }
    void wait_until(const int& counter, int times) {
        std::unique_lock lock(mutex_);
        ASSERT_TRUE(changed_.wait_for(lock, std::chrono::seconds(30), [&] {
            return counter >= times;
        })) << "the work database was not reached";
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    int opened_ = 0;
    int closed_ = 0;
    FileLayerHook hook_;
};

// What a copy of a database file allocates once, for its buffer
// (run/file_replace.cpp).
constexpr std::size_t kCopyBuffer = 1 << 16;

// A product that the load cannot fill: it fails at its first block.
constexpr std::string_view kAirportWithoutAColumn = "ALTER TABLE Airport DROP COLUMN HasTower;";

class RunThreadsTest : public testing::Test {
protected:
    // The bundled sample, with one file replaced.
    std::string cycle_with(std::string_view name, std::string_view text) {
        for (const char* file : {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"})
            write_file(cycle_ / file, read_file(sample_cycle_folder() + "/" + file));
        write_file(cycle_ / std::string(name), text);
        return cycle_.path();
    }
    // Waits, just before the airways are converted, until the load has reached the point.
    static std::function<void(Category)> before_airways(const std::function<void()>& wait) {
        return [=](Category category) {
            if (category == Category::Airways) wait();
        };
    }

    TempDir cycle_;
};

TEST_F(RunThreadsTest, TheSampleCycleRunsAsInOrder) {
    const ThreadsRun in_order(sample_cycle_folder(), 1);
    const ThreadsRun alongside(sample_cycle_folder(), 2);
    ASSERT_EQ(in_order.ended(), "updated");
    expect_same_runs(in_order, alongside);
}

TEST_F(RunThreadsTest, AirportLineErrorsAreToldOnTheHostsThreadBeforeTheNextCategory) {
    const std::string cycle =
        cycle_with("apt.dat", "I\n1100 Version\n1 10 0 0 XAPT Example\n100 short row\n102 H1 40.0 -100.0 0 10 10 1 0 0 0 0\n99\n");
    const ThreadsRun in_order(cycle, 1);
    const ThreadsRun alongside(cycle, 2);
    const auto converting = std::ranges::find(in_order.calls(), "convert airports");
    ASSERT_NE(converting, in_order.calls().end());
    ASSERT_EQ(converting[1], "line error Error in apt.dat at line (data read): 100 short row");
    expect_same_runs(in_order, alongside);
}

TEST_F(RunThreadsTest, AConversionThatFailsWhileTheLoadRunsIsTheFailure) {
    const std::string cycle =
        cycle_with("earth_awy.dat", "I\n1100 Version\nA K1 11 B K1 11 N\n99\n");
    const ThreadsRun in_order(cycle, 1);
    WorkDatabaseWatch watch;
    const ThreadsRun alongside(cycle, 2, before_airways([&] { watch.wait_until_opened(2); }));
    ASSERT_NE(in_order.ended().find("List index out of bounds (7)"), std::string::npos)
        << in_order.ended();
    expect_same_runs(in_order, alongside);
    // Its thread has closed the work database: nothing holds a lock on it any more.
    EXPECT_NO_THROW(sql_exec(alongside.appdata() + "/" + alongside.work_folder() + "/GPS.db",
                             "BEGIN EXCLUSIVE; ROLLBACK;"));
}

TEST_F(RunThreadsTest, AFileWithoutARecordIsRefusedWhileTheLoadRuns) {
    const std::string cycle = cycle_with("earth_fix.dat", "I\n1100 Version - data cycle 2606\n\n99\n");
    const ThreadsRun in_order(cycle, 1);
    WorkDatabaseWatch watch;
    const ThreadsRun alongside(cycle, 2, before_airways([&] { watch.wait_until_opened(2); }));
    ASSERT_EQ(in_order.ended(), "earth_fix.dat holds no fix: it is empty or not an X-Plane earth_fix.dat");
    expect_same_runs(in_order, alongside);
}

TEST_F(RunThreadsTest, ALoadThatFailsWhileAConversionRunsIsToldAfterTheConversions) {
    const ThreadsRun in_order(sample_cycle_folder(), 1, {}, kAirportWithoutAColumn);
    WorkDatabaseWatch watch;
    const ThreadsRun alongside(sample_cycle_folder(), 2,
                               before_airways([&] { watch.wait_until_closed(2); }), kAirportWithoutAColumn);
    ASSERT_NE(in_order.ended().find("Field 'HasTower' not found"), std::string::npos) << in_order.ended();
    expect_same_runs(in_order, alongside);
}

TEST_F(RunThreadsTest, AConversionThatFailsAfterTheLoadFailedIsTheFailure) {
    const std::string cycle =
        cycle_with("earth_awy.dat", "I\n1100 Version\nA K1 11 B K1 11 N\n99\n");
    const ThreadsRun in_order(cycle, 1, {}, kAirportWithoutAColumn);
    WorkDatabaseWatch watch;
    const ThreadsRun alongside(cycle, 2, before_airways([&] { watch.wait_until_closed(2); }),
                               kAirportWithoutAColumn);
    ASSERT_NE(in_order.ended().find("List index out of bounds (7)"), std::string::npos)
        << in_order.ended();
    expect_same_runs(in_order, alongside);
}

TEST_F(RunThreadsTest, ATargetThatCannotBeReplacedIsToldInItsTurn) {
    // A folder where the temporary copy has to go: the second product cannot be replaced by rename.
    const auto blocked = [](Category category) {
        if (category != Category::Airports) return;
        make_folders(target_path(TargetTable[5]) + ".tmp/blocker");
    };
    const ThreadsRun in_order(sample_cycle_folder(), 1, blocked);
    const ThreadsRun alongside(sample_cycle_folder(), 2, blocked);
    expect_same_runs(in_order, alongside);
}

// A copy made ahead that runs out of memory fails the run with what the
// system said, when publishing reaches its target, as a copy made there
// would; the copy thread's other copy is removed, and no product is touched.
TEST_F(RunThreadsTest, ACopyThatRunsOutOfMemoryFailsTheRunWithItsMessage) {
    if (!kRenameReplacesOpenFiles) GTEST_SKIP() << "targets are written in place, not copied ahead";
    const ThreadsRun in_order(sample_cycle_folder(), 1);
    WorkDatabaseWatch watch;
    const std::thread::id caller = std::this_thread::get_id();
    std::atomic<bool> failed = false;
    const AllocationHook out_of_memory(kCopyBuffer, [&] {
        // Once the load has closed the work database, only the copy thread
        // runs beside the caller.
        if (std::this_thread::get_id() != caller && watch.closed(2) && !failed.exchange(true))
            throw std::bad_alloc();
    });
    const ThreadsRun alongside(sample_cycle_folder(), 2);
    ASSERT_TRUE(failed);
    EXPECT_EQ(alongside.ended(), std::bad_alloc().what());
    EXPECT_EQ(calls_in_any_folder(alongside), calls_in_any_folder(in_order));
    for (const std::string& name : files_left(alongside)) {
        EXPECT_FALSE(name.ends_with(".tmp")) << name;
        if (name.starts_with(alongside.work_folder())) continue;
        EXPECT_EQ(sql_count(alongside.appdata() + "/" + name, "SELECT count(*) FROM Airport"), 0)
            << name;
    }
}

} // namespace
} // namespace quill::test
