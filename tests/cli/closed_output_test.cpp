// Tests the headless tool as a separate process whose output pipe is closed.
#include "cli_fixture.h"
#include "support/sql_rows.h"
#include "support/tool_run.h"

#include <gtest/gtest.h>

namespace quill::cli {
namespace {

using test::sql_count;

// A reader of the progress lines that goes away, as `| head -1` does, stops
// nothing: the tool, started as a shell starts it, runs the update to its
// end and its status tells how it went.
TEST_F(Cli, AnUpdateGoesOnWhenItsOutputIsClosed) {
    const std::string db = install(0);
    EXPECT_EQ(test::run_tool_with_output_closed({sample}), kSuccess);
    EXPECT_EQ(sql_count(db, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
    EXPECT_GT(sql_count(db, "SELECT count(*) FROM NavAirway"), 0);
}

} // namespace
} // namespace quill::cli
