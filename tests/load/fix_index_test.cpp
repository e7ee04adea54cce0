// Tests of the fix lookup: rows of a name in stored order, exact names, and coordinates read as
// SQLite writes them.
#include "convert/number_text.h"
#include "load/fix_index.h"
#include "database/statement.h"
#include "database/table.h"
#include "support/product_database_fixture.h"

#include <gtest/gtest.h>
#include <optional>

namespace quill::test {
namespace {

class FixIndexTest : public ProductDatabaseTest {
protected:
    const FixIndex& index() {
        table.open(connection);
        built.emplace(table, "WPTName");
        return *built;
    }
    Table table{"NavWPT"};
    std::optional<FixIndex> built;
};

TEST_F(FixIndexTest, RowsOfOneNameComeInStoredOrder) {
    sql_exec(path, "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES "
                   "('B', 1, 1), ('A', 2, 2), ('B', 3, 3), ('A', 4, 4), ('C', 5, 5), ('A', 6, 6)");
    const auto rows = index().find("A");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].latitude, 2);
    EXPECT_EQ(rows[1].latitude, 4);
    EXPECT_EQ(rows[2].latitude, 6);
}

TEST_F(FixIndexTest, NamesMatchExactly) {
    sql_exec(
        path,
        "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('abc', 1, 1), ('ABCD', 2, 2), "
        "(NULL, 3, 3), ('LONGNAME1', 4, 4), ('LONGNAME2', 5, 5), ('LONGNAME', 6, 6), ('LONGNAME1', 7, 7)");
    const FixIndex& fixes = index();
    EXPECT_TRUE(fixes.find("ABC").empty());
    EXPECT_TRUE(fixes.find("").empty());
    EXPECT_TRUE(fixes.find("LONGNAME3").empty());
    EXPECT_EQ(fixes.find("abc").size(), 1u);
    ASSERT_EQ(fixes.find("LONGNAME1").size(), 2u);
    EXPECT_EQ(fixes.find("LONGNAME1")[1].latitude, 7);
    EXPECT_EQ(fixes.find("LONGNAME2").front().latitude, 5);
    EXPECT_EQ(fixes.find("LONGNAME").front().latitude, 6);
}

TEST_F(FixIndexTest, CoordinateThatIsNoNumberFailsOnlyWhenRequired) {
    sql_exec(path, "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('BAD', 1, 'east'), "
                   "('TEXT', '47.25', ' 8.5 '), ('HUGE', 9e999, 0)");
    const FixIndex& fixes = index();
    EXPECT_EQ(error_message([&] { fixes.require_numbers(fixes.find("BAD").front()); }),
              "'east' is not a valid floating point value");
    EXPECT_EQ(error_message([&] { fixes.require_numbers(fixes.find("HUGE").front()); }),
              "'Inf' is not a valid floating point value");
    const FixPosition text = fixes.find("TEXT").front();
    EXPECT_NO_THROW(fixes.require_numbers(text));
    EXPECT_EQ(text.latitude, 47.25);
    EXPECT_EQ(text.longitude, 8.5);
}

class StoredNumberTest : public FixIndexTest, public ::testing::WithParamInterface<double> {};

// A stored coordinate counts as the text SQLite writes for it (15 significant digits).
TEST_P(StoredNumberTest, CoordinateIsReadAsSqlitesText) {
    Statement insert(connection, "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('X', ?, 0)");
    insert.bind_double(0, GetParam());
    insert.execute();
    const double as_text =
        text_to_number(sql_rows(path, "SELECT CAST(Latitude AS TEXT) FROM NavWPT").front());
    EXPECT_EQ(index().find("X").front().latitude, as_text);
}

INSTANTIATE_TEST_SUITE_P(Values, StoredNumberTest,
                         ::testing::Values(47.5, -122.25, 0.00003, 47.123456789012345, -33.94611111111111,
                                           1.0 / 3.0, 179.99999999999997, 123456789.12345679, 1e-7, 0.0));

} // namespace
} // namespace quill::test
