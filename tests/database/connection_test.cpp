#include "database/connection.h"
#include "database/query.h"
#include "database/statement.h"
#include "product_database.h"

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

} // namespace
} // namespace quill::test
