// Tests that a whole-database copy that fails part way leaves its destination whole.
#include "database/backup.h"
#include "database/connection.h"
#include "support/product_database_fixture.h"
#include "support/file_layer_hook.h"
#include "support/product_states.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace quill::test {
namespace {

// A copy into an existing database that fills the disk part way is rolled
// back before it is told: the destination is its old self, byte for byte,
// with no journal beside it, and a reader that may not write reads it.
TEST(CopyDatabase, ADiskFillingUpPartWayLeavesTheDestinationAsItWas) {
    TempDir temp;
    const std::string source = temp / "new.db";
    const std::string destination = temp / "old.db";
    create_product_database(source, waypoint_rows("NEW", 100000));
    create_product_database(destination, waypoint_rows("OLD", 100));
    const std::string before = read_file(destination);
    {
        const auto disk = FileLayerHook::full_disk(destination, static_cast<std::int64_t>(before.size()) + 8 * 4096);
        Connection from;
        from.open(source);
        Connection to;
        to.open(destination);
        EXPECT_EQ(error_message([&] { copy_database(from, to); }), "Disk full");
    }
    EXPECT_TRUE(read_file(destination) == before) << "the destination changed";
    EXPECT_FALSE(std::filesystem::exists(destination + "-journal"));
    EXPECT_EQ(sql_count(destination, "SELECT count(*) FROM NavWPT WHERE WPTName LIKE 'OLD%'",
                        Access::ReadOnly),
              100);
}

} // namespace
} // namespace quill::test
