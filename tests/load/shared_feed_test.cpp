#include "app/error.h"
#include "load/shared_feed.h"
#include "load/load_blocks.h"
#include "load/database_thread.h"
#include "load_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
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

class LoadAlongsideTest : public LoadFixture {
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

    // Loads alongside, keeping the intermediate files: the files of each
    // category complete in the order given, and the calling thread reads ahead
    // as soon as they are.
    void load_alongside(std::initializer_list<Category> completing = kInOrder,
                        const CategorySelection& selected = kAllCategories) {
        WorkDatabaseLoad load(request(selected, true), WorkDatabaseLoad::Mode::Alongside);
        for (const Category category : completing) load.files_complete(category);
        load.finish();
    }
    // With nobody reading ahead until the load has ended: the database
    // thread reads every block itself.
    void load_alone(const CategorySelection& selected = kAllCategories) {
        SharedFeed feed(selected, work);
        for (const Category category : kCategories) feed.files_complete(category);
        const LoadRequest alone = request(selected, true);
        feed.run(alone);
        if (const std::exception_ptr failure = feed.help(alone.progress))
            std::rethrow_exception(failure);
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

class LoadAlongsideAlikeTest : public LoadAlongsideTest,
                               public ::testing::WithParamInterface<Alike> {};

// Read by the database thread alone and read ahead for it, where the calling
// thread foresees the waypoints for the airways: whether NavWPT holds them or
// not, the airways are looked up in what it holds.
TEST_P(LoadAlongsideAlikeTest, GivesTheDatabaseAndLinesOfTheLoadInOrder) {
    const Alike& alike = GetParam();
    make_product(alike.product_sql);
    write_every_block();
    if (!alike.fixes.empty()) write("earth_fix.csv", alike.fixes);
    load(alike.selected, true);
    const std::string in_order = read_file(database);
    const std::vector<std::string> lines = progress;
    ASSERT_EQ(lines.size(), kLoadBlocks.size());

    load_alongside({Category::Airways, Category::Waypoints, Category::NavAids, Category::Airports},
                   alike.selected);
    EXPECT_EQ(progress, lines);
    EXPECT_TRUE(read_file(database) == in_order) << "read ahead, the databases differ";
    load_alone(alike.selected);
    EXPECT_EQ(progress, lines);
    EXPECT_TRUE(read_file(database) == in_order) << "read alone, the databases differ";
}

INSTANTIATE_TEST_SUITE_P(
    Loads, LoadAlongsideAlikeTest,
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

TEST_F(LoadAlongsideTest, ABlockWaitsForTheFilesOfItsCategory) {
    make_product();
    write_intermediate("apt_Land.csv", {"1|40|-100|09/27|XAPT|EXAMPLE FIELD|1200|1"});
    WorkDatabaseLoad load(request(), WorkDatabaseLoad::Mode::Alongside);
    load.files_complete(Category::Airports);
    load.files_complete(Category::NavAids);
    write("earth_fix.csv",
          numbered(kFixes, [](int i) { return std::to_string(i) + "|1|2|F" + std::to_string(i); }));
    load.files_complete(Category::Waypoints);
    load.files_complete(Category::Airways);
    load.finish();
    EXPECT_THAT(progress, ElementsAre("Loading Airports (Land)...", "Loading Waypoints/Fixes..."));
    EXPECT_THAT(rows("SELECT count(*), max(WPTName) FROM NavWPT"), ElementsAre("5000|F999"));
}

// The first block's file appears and grows in pieces cut inside lines, as a
// conversion writes it, while the load runs.
TEST_F(LoadAlongsideTest, AFileStillBeingWrittenIsLoadedAsItGrows) {
    make_product();
    write_every_block();
    load(kAllCategories, true);
    const std::string in_order = read_file(database);
    const std::string land = read_file(work + "apt_Land.csv");
    std::filesystem::remove(fs_path(work + "apt_Land.csv"));

    WorkDatabaseLoad growing(request(kAllCategories, true), WorkDatabaseLoad::Mode::Alongside);
    for (std::size_t written = 0; written < land.size(); written += land.size() / 16) {
        std::ofstream(fs_path(work + "apt_Land.csv"), std::ios::binary | std::ios::app)
            << land.substr(written, land.size() / 16);
        std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    for (const Category category : kInOrder) growing.files_complete(category);
    growing.finish();
    EXPECT_TRUE(read_file(database) == in_order) << "the databases differ";
}

// A file that a failed deletion left is not this run's until its category is
// complete: the conversion writes it anew.
TEST_F(LoadAlongsideTest, AFileLeftFromBeforeIsReadOnlyOnceItsCategoryIsComplete) {
    make_product();
    write_intermediate("apt_Land.csv", {"1|1|1|OLD|XOLD|LEFT OVER|0|0"});
    WorkDatabaseLoad load(request(), WorkDatabaseLoad::Mode::Alongside);
    // Time enough for the load to reach the block.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    write_intermediate("apt_Land.csv", {"1|40|-100|09/27|XAPT|EXAMPLE FIELD|1200|1"});
    for (const Category category : kInOrder) load.files_complete(category);
    load.finish();
    EXPECT_THAT(rows("SELECT AirportID FROM Airport"), ElementsAre("XAPT"));
}

TEST_F(LoadAlongsideTest, StoppedWhileWaitingForFilesItLetsGoOfTheWorkDatabase) {
    make_product();
    write_intermediate("earth_fix.csv", {"7|47.5|-122.25|ABCDE"});
    {
        WorkDatabaseLoad load(request(), WorkDatabaseLoad::Mode::Alongside);
        load.files_complete(Category::Airways);
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

class LoadAlongsideFailureTest : public LoadAlongsideTest,
                                 public ::testing::WithParamInterface<Failure> {};

// Failures in every part of the load: its first steps, its first and last
// blocks, a table block and an airway block, after rows of the same batch and
// of earlier batches; read by the database thread alone and read ahead for it.
TEST_P(LoadAlongsideFailureTest, IsTheFailureOfTheLoadInOrderAfterTheSameLines) {
    const Failure& failure = GetParam();
    make_product(failure.product_sql);
    write_every_block();
    if (!failure.file.empty()) write(failure.file, failure.records);
    const std::string in_order = error_of([&] { load(failure.selected); });
    const std::vector<std::string> lines = progress;
    ASSERT_NE(in_order, "no error");

    EXPECT_EQ(error_of([&] { load_alone(failure.selected); }), in_order);
    EXPECT_EQ(progress, lines) << "read alone";
    EXPECT_EQ(error_of([&] { load_alongside(kInOrder, failure.selected); }), in_order);
    EXPECT_EQ(progress, lines) << "read ahead";
}

std::vector<std::string> fixes_failing_at(int bad) {
    return numbered(kFixes, [&](int i) {
        return std::to_string(i) + (i == bad ? "|4,5" : "|4.5") + "|2|F" + std::to_string(i);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Steps, LoadAlongsideFailureTest,
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
