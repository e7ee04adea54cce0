// Tests of connections and fixed queries, and of SQLite's refusals read as the program's texts.
#include "database/connection.h"
#include "database/query.h"
#include "database/statement.h"
#include "support/product_database_fixture.h"
#include "support/product_states.h"

#include <gtest/gtest.h>

namespace quill::test {
namespace {

TEST(Connection, MissingFileFailsWithSqliteMessage) {
    TempDir temp;
    Connection connection;
    EXPECT_EQ(error_message([&] { connection.open(temp / "missing.db"); }), "unable to open database file");
    EXPECT_FALSE(connection.is_open());
}

using ConnectionTest = ProductDatabaseTest;

TEST_F(ConnectionTest, ClosingReleasesTheFile) {
    Query("BEGIN EXCLUSIVE").execute(connection);
    connection.close();
    EXPECT_FALSE(connection.is_open());
    EXPECT_NO_THROW(sql_exec(path, "DELETE FROM NavWPT"));
}

TEST_F(ConnectionTest, QueryRunsItsFixedText) {
    Query("PRAGMA journal_mode = OFF;").execute(connection);
    Statement mode(connection, "PRAGMA journal_mode");
    ASSERT_TRUE(mode.step());
    EXPECT_EQ(mode.column_text(0), "off");
}

TEST_F(ConnectionTest, QueryOnAMissingTableFailsWithSqliteMessage) {
    sql_exec(path, "DROP TABLE NavLTP");
    EXPECT_EQ(error_message([&] { Query("Delete from NavLTP").execute(connection); }),
              "no such table: NavLTP");
}

// A write SQLite refuses reads as the same condition met by the program's
// own file operations.
struct RefusedWriteCase {
    const char* name;
    const char* setting;
    const char* text;
};

void PrintTo(const RefusedWriteCase& c, std::ostream* out) { *out << c.name; }

class RefusedWrite : public ConnectionTest, public testing::WithParamInterface<RefusedWriteCase> {};

TEST_P(RefusedWrite, ReadsAsTheProgramsOwnText) {
    Statement(connection, GetParam().setting).execute();
    const std::string rows = waypoint_rows("FULL", 3000);
    EXPECT_EQ(error_message([&] { Statement(connection, rows).execute(); }), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Conditions, RefusedWrite,
    testing::Values(RefusedWriteCase{"DiskFull", "PRAGMA max_page_count = 1", "Disk full"},
                    RefusedWriteCase{"ReadOnly", "PRAGMA query_only = 1", "File access denied"}),
    [](const testing::TestParamInfo<RefusedWriteCase>& case_info) { return std::string(case_info.param.name); });

} // namespace
} // namespace quill::test
