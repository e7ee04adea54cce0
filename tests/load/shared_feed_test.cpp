// The load on the database thread, fed alongside the calling thread: the same
// database, lines and first failure as the load in order, however the threads meet.
#include "app/error.h"
#include "load/database_thread.h"
#include "load/load_blocks.h"
#include "load/shared_feed.h"
#include "load_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <latch>
#include <string>
#include <vector>

namespace quill::test {
namespace {

using ::testing::ElementsAre;

// Rows enough for several batches in the large blocks.
constexpr int kFixes = 5000;

std::vector<std::string> numbered(int count, const std::function<std::string(int)>& record) {
    std::vector<std::string> records;
    for (int i = 1; i <= count; ++i) records.push_back(record(i));
    return records;
}

// The feed of a load, watched: `arriving` runs as the load comes to a block,
// before it waits for the block's file; `inserting` once it has the file.
class WatchedFeed : public LoadFeed {
public:
    using Watch = std::function<void(const LoadBlock&)>;
    WatchedFeed(LoadFeed& feed, Watch arriving, Watch inserting = {})
        : feed_(feed), arriving_(std::move(arriving)), inserting_(std::move(inserting)) {}

    bool wait_for_file(const LoadBlock& block, const std::string& path) override {
        arriving_(block);
        return feed_.wait_for_file(block, path);
    }
    void insert_rows(const LoadBlock& block, const std::string& path, const AirwayLookups* lookups,
                     BlockInserter& inserter) override {
        if (inserting_) inserting_(block);
        feed_.insert_rows(block, path, lookups, inserter);
    }
    std::optional<ForeseenWaypoints> foreseen_waypoints() override {
        return feed_.foreseen_waypoints();
    }
    void lookups_read(std::shared_ptr<const AirwayLookups> lookups) override {
        feed_.lookups_read(std::move(lookups));
    }

private:
    LoadFeed& feed_;
    Watch arriving_;
    Watch inserting_;
};

// The steps of a load, as the database thread runs them in a test.
void load_steps(const LoadRequest& request, LoadFeed& feed) { load_work_database(request, feed); }

class SharedFeedTest : public LoadFixture {
protected:
    void write(std::string_view name, const std::vector<std::string>& records) const {
        std::string text = "HEADER|IS|NOT|READ\r\n";
        for (const std::string& record : records) text.append(record).append("\r\n");
        write_file(work + std::string(name), text);
    }
    // A file for every block; the fix and airway files span several batches,
    // and the airways run through the fixes and navaids.
    void write_every_block() const {
        for (const LoadBlock& block : kLoadBlocks) write_intermediate(block.file, {});
        write("apt_Land.csv", numbered(3000, [](int i) {
                  return std::to_string(i) + "|40." + std::to_string(i) + "|-100|09/27|X" +
                         std::to_string(i) + "|FIELD|1200|1";
              }));
        write_intermediate("earth_nav_ndb.csv", {"1|47.4|-122.3|400|ABC|ALPHA NDB|NDB|350"});
        write_intermediate("earth_nav_vor.csv", {"1|47.4|-122.3|400|KLM|KILO VOR|VOR|11630|19.0"});
        write("earth_fix.csv", numbered(kFixes, [](int i) {
                  return std::to_string(i) + "|" + std::to_string(i % 90) + ".5|-122.25|F" +
                         std::to_string(i);
              }));
        for (const char* level : {"High", "Low"})
            write(std::string("earth_awy_") + level + ".csv", numbered(kFixes, [&](int i) {
                      const std::string fix = i % 100 == 0   ? "KLM|VOR"
                                              : i % 101 == 0 ? "ABC|NDB"
                                                             : "F" + std::to_string(i) + "|WPT";
                      return std::to_string((i + 1) / 2) + "|||" + fix + "|J1-J2|180|450|" + level;
                  }));
        write_intermediate("earth_nav_LTP.csv",
                           {"1|47.4|-122.3|400|50.0|KSEA|R16LY|16L|163.5|3.00|56789|WAAS"});
    }

    // Loads on the database thread, keeping the intermediate files: the files
    // of each category complete in the order given, and the calling thread
    // reads ahead as soon as they are.
    void load_on_database_thread(std::initializer_list<Category> completing = kInOrder,
                        const CategorySelection& selected = kAllCategories) {
        const LoadRequest alongside = request(selected, true);
        DatabaseThread<void> thread(alongside, load_steps);
        for (const Category category : completing) thread.files_complete(category);
        thread.relay_and_read_ahead(alongside.progress);
    }
    // With nobody reading ahead: the load reads every block itself, as the
    // database thread does while the calling thread converts.
    void load_alone(const CategorySelection& selected = kAllCategories) {
        SharedFeed feed(selected, work);
        for (const Category category : kCategories) feed.files_complete(category);
        load_work_database(request(selected, true), feed);
    }

    static std::string error_of(const std::function<void()>& load) {
        try {
            load();
        } catch (const Error& error) {
            return error.display();
        }
        return "no error";
    }

    static constexpr std::initializer_list<Category> kInOrder{
        Category::Airports, Category::NavAids, Category::Waypoints, Category::Airways};
};

struct Alike {
    const char* name;
    CategorySelection selected;
    std::string product_sql;
    std::vector<std::string> fixes; // over those of write_every_block when given
};

void PrintTo(const Alike& alike, std::ostream* out) { *out << alike.name; }

class SharedFeedAlikeTest : public SharedFeedTest,
                               public ::testing::WithParamInterface<Alike> {};

// Read by the database thread alone and read ahead for it, where the calling
// thread foresees the waypoints for the airways: whether NavWPT holds them or
// not, the airways are looked up in what it holds.
TEST_P(SharedFeedAlikeTest, GivesTheDatabaseAndLinesOfTheLoadInOrder) {
    const Alike& alike = GetParam();
    make_product(alike.product_sql);
    write_every_block();
    if (!alike.fixes.empty()) write("earth_fix.csv", alike.fixes);
    load(alike.selected, true);
    const std::string in_order = read_file(database);
    const std::vector<std::string> lines = progress;
    ASSERT_EQ(lines.size(), kLoadBlocks.size());

    load_on_database_thread({Category::Airways, Category::Waypoints, Category::NavAids, Category::Airports},
                   alike.selected);
    EXPECT_EQ(progress, lines);
    EXPECT_TRUE(read_file(database) == in_order) << "read ahead, the databases differ";
    load_alone(alike.selected);
    EXPECT_EQ(progress, lines);
    EXPECT_TRUE(read_file(database) == in_order) << "read alone, the databases differ";
}

INSTANTIATE_TEST_SUITE_P(
    Loads, SharedFeedAlikeTest,
    ::testing::Values(
        Alike{"every_category", kAllCategories, "", {}},
        Alike{"waypoints_not_cleared",
              {true, true, false, true},
              "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('F7', 1, 1);",
              {}},
        Alike{"waypoints_without_airways", {true, true, true, false}, "", {}},
        Alike{"waypoints_moved_as_they_are_inserted",
              kAllCategories,
              "CREATE TRIGGER moved AFTER INSERT ON NavWPT BEGIN "
              "UPDATE NavWPT SET Latitude = Latitude + 0.5 WHERE rowid = new.rowid; END;",
              {}},
        Alike{"waypoints_on_the_equator_south", kAllCategories, "",
              numbered(kFixes,
                       [](int i) {
                           return std::to_string(i) + "|-0.0|" + std::to_string(i % 180) + "|F" +
                                  std::to_string(i);
                       })}),
    [](const testing::TestParamInfo<Alike>& case_info) {
        return std::string(case_info.param.name);
    });

TEST_F(SharedFeedTest, ABlockWaitsForTheFilesOfItsCategory) {
    make_product();
    write_intermediate("apt_Land.csv", {"1|40|-100|09/27|XAPT|EXAMPLE FIELD|1200|1"});
    const LoadRequest waiting = request();
    DatabaseThread<void> thread(waiting, load_steps);
    thread.files_complete(Category::Airports);
    thread.files_complete(Category::NavAids);
    write("earth_fix.csv",
          numbered(kFixes, [](int i) { return std::to_string(i) + "|1|2|F" + std::to_string(i); }));
    thread.files_complete(Category::Waypoints);
    thread.files_complete(Category::Airways);
    thread.relay_and_read_ahead(waiting.progress);
    EXPECT_THAT(progress, ElementsAre("Loading Airports (Land)...", "Loading Waypoints/Fixes..."));
    EXPECT_THAT(rows("SELECT count(*), max(WPTName) FROM NavWPT"), ElementsAre("5000|F999"));
}

// The first block's file appears once the load waits for it, and grows in
// pieces cut inside lines, as a conversion writes it.
TEST_F(SharedFeedTest, AFileStillBeingWrittenIsLoadedAsItGrows) {
    make_product();
    write_every_block();
    load(kAllCategories, true);
    const std::string in_order = read_file(database);
    const std::string land = read_file(work + "apt_Land.csv");
    std::filesystem::remove(fs_path(work + "apt_Land.csv"));

    std::latch waiting(1);
    const LoadRequest growing = request(kAllCategories, true);
    DatabaseThread<void> thread(growing, [&](const LoadRequest& on_thread, LoadFeed& feed) {
        WatchedFeed watched(feed, [&](const LoadBlock& block) {
            if (block.file == "apt_Land.csv") waiting.count_down();
        });
        load_work_database(on_thread, watched);
    });
    waiting.wait();
    for (std::size_t written = 0; written < land.size(); written += land.size() / 16)
        std::ofstream(fs_path(work + "apt_Land.csv"), std::ios::binary | std::ios::app)
            << land.substr(written, land.size() / 16);
    for (const Category category : kInOrder) thread.files_complete(category);
    thread.relay_and_read_ahead(growing.progress);
    EXPECT_TRUE(read_file(database) == in_order) << "the databases differ";
}

// A file that a failed deletion left is not this run's until its category is
// complete: the conversion writes it anew. The load has come to its block
// before the file is written.
TEST_F(SharedFeedTest, AFileLeftFromBeforeIsReadOnlyOnceItsCategoryIsComplete) {
    make_product();
    write_intermediate("apt_Land.csv", {"1|1|1|OLD|XOLD|LEFT OVER|0|0"});
    std::latch arrived(1);
    std::atomic<bool> complete = false;
    bool read_before_complete = false; // the database thread's until it is joined
    const LoadRequest left_over = request();
    DatabaseThread<void> thread(left_over, [&](const LoadRequest& on_thread, LoadFeed& feed) {
        WatchedFeed watched(
            feed,
            [&](const LoadBlock& block) {
                if (block.file == "apt_Land.csv") arrived.count_down();
            },
            [&](const LoadBlock& block) {
                if (block.file == "apt_Land.csv") read_before_complete = !complete;
            });
        load_work_database(on_thread, watched);
    });
    arrived.wait();
    write_intermediate("apt_Land.csv", {"1|40|-100|09/27|XAPT|EXAMPLE FIELD|1200|1"});
    complete = true;
    for (const Category category : kInOrder) thread.files_complete(category);
    thread.relay_and_read_ahead(left_over.progress);
    EXPECT_FALSE(read_before_complete);
    EXPECT_THAT(rows("SELECT AirportID FROM Airport"), ElementsAre("XAPT"));
}

TEST_F(SharedFeedTest, StoppedWhileWaitingForFilesItLetsGoOfTheWorkDatabase) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    {
        DatabaseThread<void> thread(request(), load_steps);
        thread.files_complete(Category::Airways);
    }
    EXPECT_THAT(progress, ::testing::IsEmpty());
    // A connection left open would still hold the write lock of its transaction.
    EXPECT_NO_THROW(sql_exec(database, "DELETE FROM NavWPT"));
}

struct Failure {
    const char* name;
    CategorySelection selected;
    std::string product_sql;
    std::string file; // written over the file of write_every_block
    std::vector<std::string> records;
};

void PrintTo(const Failure& failure, std::ostream* out) { *out << failure.name; }

class SharedFeedFailureTest : public SharedFeedTest,
                                 public ::testing::WithParamInterface<Failure> {};

// Failures in every part of the load: its first steps, its first and last
// blocks, a table block and an airway block, after rows of the same batch and
// of earlier batches; read by the database thread alone and read ahead for it.
TEST_P(SharedFeedFailureTest, IsTheFailureOfTheLoadInOrderAfterTheSameLines) {
    const Failure& failure = GetParam();
    make_product(failure.product_sql);
    write_every_block();
    if (!failure.file.empty()) write(failure.file, failure.records);
    const std::string in_order = error_of([&] { load(failure.selected); });
    const std::vector<std::string> lines = progress;
    ASSERT_NE(in_order, "no error");

    EXPECT_EQ(error_of([&] { load_alone(failure.selected); }), in_order);
    EXPECT_EQ(progress, lines) << "read alone";
    EXPECT_EQ(error_of([&] { load_on_database_thread(kInOrder, failure.selected); }), in_order);
    EXPECT_EQ(progress, lines) << "read ahead";
}

std::vector<std::string> fixes_failing_at(int bad) {
    return numbered(kFixes, [&](int i) {
        return std::to_string(i) + (i == bad ? "|4,5" : "|4.5") + "|2|F" + std::to_string(i);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SharedFeedFailureTest,
    ::testing::Values(
        Failure{"missing_table", kAllCategories, "DROP TABLE NavLTP;", "", {}},
        Failure{"missing_column_of_the_first_block",
                kAllCategories,
                "ALTER TABLE Airport DROP COLUMN Runway;",
                "",
                {}},
        Failure{"first_batch_of_a_block", kAllCategories, "", "earth_fix.csv", fixes_failing_at(3)},
        Failure{"later_batch_of_a_block", kAllCategories, "", "earth_fix.csv",
                fixes_failing_at(4000)},
        Failure{"short_line", kAllCategories, "", "earth_fix.csv", {"1|2|3|A", "2|2|3"}},
        Failure{"row_refused_inside_a_group",
                kAllCategories,
                "DROP INDEX NavWPT_WPTName; CREATE UNIQUE INDEX NavWPT_WPTName ON NavWPT (WPTName);",
                "earth_fix.csv",
                numbered(kFixes, [](int i) { return "1|2|3|F" + std::to_string(i == 1000 ? 7 : i); })},
        Failure{"missing_column_of_the_last_block",
                kAllCategories,
                "ALTER TABLE NavLTP DROP COLUMN ProviderName;",
                "",
                {}},
        Failure{
            "airway_fix_without_coordinates",
            {false, false, false, true},
            "INSERT INTO NavWPT (WPTName, Latitude, Longitude) VALUES ('F4001', '', 5);",
            "earth_fix.csv",
            numbered(4000, [](int i) { return std::to_string(i) + "|1|2|F" + std::to_string(i); })},
        Failure{"short_airway_line",
                kAllCategories,
                "",
                "earth_awy_Low.csv",
                {"1|||F1|WPT|J1-J2", "1|||F2"}},
        Failure{"insert_that_fails",
                kAllCategories,
                "CREATE TRIGGER no_ltp BEFORE INSERT ON NavLTP BEGIN SELECT RAISE(FAIL, 'no LTP'); "
                "END;",
                "",
                {}}),
    [](const testing::TestParamInfo<Failure>& case_info) {
        return std::string(case_info.param.name);
    });

} // namespace
} // namespace quill::test
