// Tests of when the waypoints read ahead may stand in for the NavWPT table.
#include "load/foreseen_waypoints.h"
#include "load/load_blocks.h"
#include "load/row_batch.h"
#include "database/table.h"
#include "load/table_block.h"
#include "support/product_database_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace quill::test {
namespace {

struct HeldCase {
    const char* name;
    std::string table_rows; // (WPTName, Latitude, Longitude) values
    std::string fix_file;   // records of earth_fix.csv after its header
    bool held;
};

void PrintTo(const HeldCase& c, std::ostream* out) { *out << c.name; }

class HeldByTest : public ProductDatabaseTest, public ::testing::WithParamInterface<HeldCase> {};

// The fix block's file as the load reads it, a batch at a time.
class FileRows : public FixFileRows {
public:
    explicit FileRows(const std::string& path)
        : reader_(*std::ranges::find(kLoadBlocks, WorkTable::WPT, &LoadBlock::table), path, {}) {}

    const RowBatch* next() override {
        if (ended_) return nullptr;
        batch_.clear();
        ended_ = !reader_.read(batch_);
        return &batch_;
    }

private:
    TableBlockReader reader_;
    RowBatch batch_;
    bool ended_ = false;
};

// The waypoints foreseen from the rows of the file that can be read, then
// compared with the table through a second reading of the file.
bool held_by(const Table& table, const std::string& file) {
    FileRows first_reading(file);
    FileRows second_reading(file);
    ForeseenWaypoints foreseen(second_reading);
    while (const RowBatch* batch = first_reading.next())
        if (!batch->failure()) foreseen.add(*batch);
    foreseen.group();
    return foreseen.held_by(table);
}

// The rows the fix block would bind, against what NavWPT really holds.
TEST_P(HeldByTest, OnlyTheRowsOfTheFileInItsOrderAreHeld) {
    sql_exec(path,
             "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES " + GetParam().table_rows);
    const std::string file = temp / "earth_fix.csv";
    write_file(file, "SHAPEID|LAT(Y)|LON(X)|NAME\r\n" + GetParam().fix_file);
    Table table("NavWPT");
    table.open(connection);
    EXPECT_EQ(held_by(table, file), GetParam().held);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, HeldByTest,
    ::testing::Values(
        HeldCase{"same_rows", "('A', 1, 2), ('B', 3.25, 4), ('A', 5, 6)",
                 "1|1|2|A\r\n2|3.25|4|B\r\n3|5|6|A\r\n", true},
        HeldCase{"unnamed_rows_are_not_looked_up", "(NULL, 7, 8), ('A', 1, 2)", "1|1|2|A\r\n",
                 true},
        HeldCase{"name_stored_as_utf8", "('\xC3\x89TAPE', 1, 2)", "1|1|2|\xC9TAPE\r\n", true},
        HeldCase{"rows_in_another_order", "('B', 3, 4), ('A', 1, 2)", "1|1|2|A\r\n2|3|4|B\r\n",
                 false},
        HeldCase{"a_row_more", "('A', 1, 2), ('B', 3, 4)", "1|1|2|A\r\n", false},
        HeldCase{"a_row_fewer", "('A', 1, 2)", "1|1|2|A\r\n2|1|2|A\r\n", false},
        HeldCase{"another_name", "('a', 1, 2)", "1|1|2|A\r\n", false},
        HeldCase{"another_coordinate", "('A', 1, 2.5)", "1|1|2|A\r\n", false},
        HeldCase{"negative_zero_stored_as_zero", "('A', -0.0, 2)", "1|-0.0|2|A\r\n", false},
        HeldCase{"coordinate_that_is_no_number", "('A', 1, 'x')", "1|1|2|A\r\n", false},
        HeldCase{"file_that_cannot_be_read", "('A', 1, 2)", "1|x|2|A\r\n", false}),
    [](const testing::TestParamInfo<HeldCase>& case_info) {
        return std::string(case_info.param.name);
    });

} // namespace
} // namespace quill::test
