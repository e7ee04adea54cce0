// Tests that a run on a generated world-size cycle ends the same on two threads as on one.
#include "run_threads.h"

#include "cycle/cycle_files.h"

#include <gtest/gtest.h>

namespace quill::test {
namespace {

// A world-size cycle: every block spans many batches, the loading overlaps
// the conversions and reads ahead, and the airways look up real numbers of
// fixes.
TEST(GeneratedCycle, RunsAsInOrder) {
    const TempDir cycle("quillstrom-generated");
    bench::write_cycle(cycle.path() + "/", 1);
    const ThreadsRun in_order(cycle.path(), 1);
    const ThreadsRun alongside(cycle.path(), 2);
    ASSERT_EQ(in_order.ended(), "updated");
    expect_same_runs(in_order, alongside);
}

} // namespace
} // namespace quill::test
