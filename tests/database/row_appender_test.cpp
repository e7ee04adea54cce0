#include "database/row_appender.h"
#include "database/table.h"
#include "product_database.h"

#include <array>
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
