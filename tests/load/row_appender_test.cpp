// Tests of the row appender: groups store what single rows would, refusals are placed, and texts
// take their column's type.
#include "load/row_appender.h"
#include "database/query.h"
#include "database/table.h"
#include "support/product_database_fixture.h"

#include <array>
#include <string>
#include <vector>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace quill::test {
namespace {

using ::testing::ElementsAre;

class RowAppenderTest : public ProductDatabaseTest {
protected:
    RowAppenderTest() { table.open(connection); }
    Table table{"NavVOR"};
};

TEST_F(RowAppenderTest, SetsOnlyTheNamedColumns) {
    constexpr std::array<std::string_view, 3> columns{"vorid", "Latitude", "VORType"};
    RowAppender appender(table, columns);
    appender.set_text(0, "KLM");
    appender.set_number(1, 47.5);
    appender.set_text(2, "VOR");
    appender.post();
    appender.set_text(0, "OPQ");
    appender.set_number(1, -1);
    appender.set_text(2, "TACAN");
    appender.post();
    EXPECT_THAT(
        sql_rows(path, "SELECT VORID, Latitude, VORType, Elevation, UserDefined FROM NavVOR ORDER BY id"),
        ElementsAre("KLM|47.5|VOR|NULL|0", "OPQ|-1.0|TACAN|NULL|0"));
}

TEST_F(RowAppenderTest, UnknownColumnFailsBeforeAnyRow) {
    constexpr std::array<std::string_view, 2> columns{"VORID", "WPTName"};
    EXPECT_EQ(error_message([&] { RowAppender(table, columns); }), "Field 'WPTName' not found");
}

// Rows 1 to 32 go in as one group after row 0 went in alone. Texts stay
// valid until their row is posted.
void post_rows(RowAppender& appender, int rows) {
    std::vector<std::string> names;
    for (int row = 0; row < rows; ++row) names.push_back("V" + std::to_string(row));
    for (int row = 0; row < rows; ++row) {
        const std::string& name = names[static_cast<std::size_t>(row)];
        if (row == 0 || appender.group_size() == 1) {
            appender.set_text(0, name);
            appender.set_number(1, row);
            appender.post();
            continue;
        }
        const auto place = static_cast<std::size_t>(row - 1) % appender.group_size();
        appender.set_text(place, 0, name);
        appender.set_number(place, 1, row);
        if (place + 1 == appender.group_size()) appender.post_group();
    }
}

constexpr std::array<std::string_view, 2> kVorColumns{"VORID", "Latitude"};

// Both in one transaction, as a load: the files come out byte for byte the same.
TEST_F(RowAppenderTest, AGroupStoresItsRowsAsPostingEachAloneWould) {
    const std::string alone = temp / "alone.db";
    create_product_database(alone);
    {
        Connection other;
        other.open(alone);
        Table other_table("NavVOR");
        other_table.open(other);
        Query("BEGIN").execute(other);
        RowAppender appender(other_table, kVorColumns);
        for (int row = 0; row < 33; ++row) {
            const std::string name = "V" + std::to_string(row);
            appender.set_text(0, name);
            appender.set_number(1, row);
            appender.post();
        }
        Query("COMMIT").execute(other);
    }
    {
        Query("BEGIN").execute(connection);
        RowAppender appender(table, kVorColumns);
        EXPECT_EQ(appender.group_size(), 1u);
        post_rows(appender, 33);
        EXPECT_EQ(appender.group_size(), 32u);
        Query("COMMIT").execute(connection);
    }
    connection.close();
    EXPECT_TRUE(read_file(path) == read_file(alone));
}

// In a transaction with no journal, as a load writes, the rows before it stay in.
TEST_F(RowAppenderTest, ARefusedRowIsToldByItsPlaceAfterTheRowsBeforeIt) {
    sql_exec(path, "CREATE UNIQUE INDEX NavVOR_Latitude ON NavVOR (Latitude)");
    Query("PRAGMA journal_mode = OFF").execute(connection);
    Query("BEGIN").execute(connection);
    RowAppender appender(table, kVorColumns);
    post_rows(appender, 1);
    for (std::size_t place = 0; place < appender.group_size(); ++place) {
        appender.set_text(place, 0, "G");
        appender.set_number(place, 1, place == 20 ? 0 : static_cast<double>(place + 1));
    }
    try {
        appender.post_group();
        ADD_FAILURE() << "the group went in";
    } catch (const RowAppender::RowRefused& refused) {
        EXPECT_EQ(refused.place, 20u);
        EXPECT_EQ(refused.error.message(), "UNIQUE constraint failed: NavVOR.Latitude");
    }
    Statement count(connection, "SELECT count(*) FROM NavVOR");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.column_int64(0), 21);
}

// A trigger may insert rows of its own (found whatever case names its table),
// and a table without rowids has no count of rows in: there every row goes in alone.
class RowsAloneTest : public RowAppenderTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(RowsAloneTest, RowsGoInOneByOne) {
    sql_exec(path, GetParam());
    Table vors("NavVOR");
    vors.open(connection);
    RowAppender appender(vors, kVorColumns);
    post_rows(appender, 3);
    EXPECT_EQ(appender.group_size(), 1u);
    EXPECT_THAT(sql_rows(path, "SELECT VORID FROM NavVOR ORDER BY Latitude"), ElementsAre("V0", "V1", "V2"));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, RowsAloneTest,
    ::testing::Values("CREATE TRIGGER counted AFTER INSERT ON navvor BEGIN SELECT 1; END;",
                      "DROP TABLE NavVOR; CREATE TABLE NavVOR (VORID TEXT PRIMARY KEY, Latitude REAL) "
                      "WITHOUT ROWID;"));

struct Stored {
    std::string column;
    std::string text;
    std::string type_and_value;
};

class StoredTextTest : public RowAppenderTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredTextTest, TextIsStoredByTheDeclaredTypeOfItsColumn) {
    const std::array<std::string_view, 1> columns{GetParam().column};
    RowAppender appender(table, columns);
    appender.set_text(0, GetParam().text);
    appender.post();
    EXPECT_THAT(
        sql_rows(path, "SELECT typeof(" + GetParam().column + "), " + GetParam().column + " FROM NavVOR"),
        ElementsAre(GetParam().type_and_value));
}

INSTANTIATE_TEST_SUITE_P(Columns, StoredTextTest,
                         ::testing::Values(Stored{"Elevation", "1200", "integer|1200"},
                                           Stored{"Frequency", "118.325", "real|118.325"},
                                           Stored{"MagVar", "-19.0", "integer|-19"},
                                           Stored{"Elevation", "n/a", "text|n/a"},
                                           Stored{"VORID", "0123", "text|0123"},
                                           Stored{"ShapeID", "7", "integer|7"},
                                           Stored{"VORName", "Z\xFCRICH", "text|Z\xC3\xBCRICH"},
                                           Stored{"VORName", "Z\xC3\xBCRICH", "text|Z\xC3\xBCRICH"},
                                           Stored{"VORName", "\x81\x8D", "text|\xC2\x81\xC2\x8D"}));

} // namespace
} // namespace quill::test
