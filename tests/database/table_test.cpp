// Tests of opening a work table and finding its columns.
#include "database/table.h"
#include "support/product_database_fixture.h"

#include <gtest/gtest.h>

namespace quill::test {
namespace {

using TableTest = ProductDatabaseTest;

TEST_F(TableTest, OpeningAMissingTableFailsWithSqliteMessage) {
    sql_exec(path, "DROP TABLE NavLTP");
    Table table("NavLTP");
    EXPECT_EQ(error_message([&] { table.open(connection); }), "no such table: NavLTP");
    EXPECT_FALSE(table.is_open());
}

TEST_F(TableTest, ColumnsAreFoundWhateverTheirCase) {
    Table table("NavWPT");
    table.open(connection);
    EXPECT_EQ(table.column("wptname"), "WPTName");
    EXPECT_EQ(table.column("ShapeID"), "ShapeID");
}

TEST_F(TableTest, UnknownColumnIsNotFound) {
    Table table("NavWPT");
    table.open(connection);
    EXPECT_EQ(error_message([&] { table.column("VORID"); }), "Field 'VORID' not found");
}

} // namespace
} // namespace quill::test
