// Tests of the headless tool against broken source files and products that cannot take an
// update.
#include "cli_fixture.h"
#include "run/previous_database.h"
#include "support/cycle_folder.h"
#include "support/sql_rows.h"
#include "support/temp_dir.h"
#include "support/unshared_hold.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

// What a failed or interrupted download leaves under a source file's name,
// and products that cannot take an update: the products keep what they have.

namespace quill::cli {
namespace {

namespace fs = std::filesystem;
using test::read_file;
using test::write_file;

// The sample cycle in a folder of its own, one file of it replaced.
class BadDownload : public Cli {
protected:
    BadDownload() {
        for (const char* name : {"apt.dat", "earth_nav.dat", "earth_fix.dat", "earth_awy.dat"})
            fs::copy_file(sample + "/" + name, cycle / name);
    }

    test::TempDir cycle;
};

struct BadFileCase {
    const char* name;
    const char* file;
    std::string bytes;
    const char* refusal;
};

void PrintTo(const BadFileCase& c, std::ostream* out) { *out << c.name; }

std::string random_bytes() {
    std::string bytes(4096, '\0');
    unsigned state = 2606;
    for (char& byte : bytes) {
        state = state * 1103515245u + 12345u;
        byte = static_cast<char>(state >> 16);
    }
    return bytes;
}

class BadSourceFile : public BadDownload, public testing::WithParamInterface<BadFileCase> {};

TEST_P(BadSourceFile, IsRefusedAndEveryProductKeepsItsDatabase) {
    const std::string first = install(0);
    const std::string second = install(5);
    const std::string first_before = read_file(first);
    const std::string second_before = read_file(second);
    write_file(cycle / GetParam().file, GetParam().bytes);

    const Result r = run({cycle.path()});

    EXPECT_EQ(r.status, kFailed);
    EXPECT_NE(r.err.find(GetParam().refusal), std::string::npos) << r.err;
    EXPECT_EQ(r.out.find("Loading"), std::string::npos) << "refused before loading:\n" << r.out;
    EXPECT_EQ(read_file(first), first_before);
    EXPECT_EQ(read_file(second), second_before);
    for (const std::size_t row : {std::size_t{0}, std::size_t{5}})
        EXPECT_FALSE(fs::exists(previous_database_path(work_file(""), TargetTable[row])))
            << "nothing published, so nothing kept";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadSourceFile,
    testing::Values(
        BadFileCase{"empty_airports", "apt.dat", "",
                    "apt.dat holds no airport: it is empty or not an X-Plane apt.dat\n"},
        BadFileCase{"error_page_as_airports", "apt.dat",
                    "<!DOCTYPE html>\n<html><head><title>404 Not Found</title></head>\n"
                    "<body><h1>Not Found</h1></body></html>\n",
                    "apt.dat holds no airport: it is empty or not an X-Plane apt.dat\n"},
        BadFileCase{"random_bytes_as_airports", "apt.dat", random_bytes(), "apt.dat holds no airport"},
        BadFileCase{"empty_navaids", "earth_nav.dat", "",
                    "earth_nav.dat holds no navaid: it is empty or not an X-Plane earth_nav.dat\n"},
        BadFileCase{"fixes_without_records", "earth_fix.dat", "I\n1101 Version - data cycle 2606\n\n99\n",
                    "earth_fix.dat holds no fix: it is empty or not an X-Plane earth_fix.dat\n"},
        BadFileCase{"empty_airways", "earth_awy.dat", "",
                    "earth_awy.dat holds no airway: it is empty or not an X-Plane earth_awy.dat\n"},
        // Its lines lack the fields of an airway segment: the line is named.
        BadFileCase{"error_page_as_airways", "earth_awy.dat",
                    "I\n1100 Version\n<html>\n<body>Gateway Timeout</body>\n</html>\n", "earth_awy.dat, line 3"}),
    [](const testing::TestParamInfo<BadFileCase>& case_info) { return std::string(case_info.param.name); });

TEST_F(BadDownload, ACutShortFileIsWarnedOfAndItsRecordsAreLoaded) {
    const std::string product = install(0);
    const std::string fixes = read_file(cycle / "earth_fix.dat");
    write_file(cycle / "earth_fix.dat", fixes.substr(0, fixes.find('\n', fixes.size() / 2) + 1));

    const Result r = run({cycle.path()});

    EXPECT_EQ(r.status, kSuccess) << r.err;
    EXPECT_EQ(r.err,
              "Warning: earth_fix.dat does not end with its end line 99; it may have been cut short\n");
    EXPECT_GT(test::sql_count(product, "SELECT count(*) FROM NavWPT"), 0);
}

TEST_F(BadDownload, ACompleteCycleIsUpdatedWithoutAWord) {
    install(0);
    const Result r = run({cycle.path()});
    EXPECT_EQ(r.status, kSuccess);
    EXPECT_EQ(r.err, "");
}

// Only a Windows share mode keeps this process from reading a file that the
// file system lets it read.
TEST_F(BadDownload, AnUnreadableSourceFileIsNamedBeforeAnythingIsConverted) {
    if (!test::UnsharedHold::kPossible) GTEST_SKIP() << "no share modes on this system";
    install(0);
    Result r;
    {
        const test::UnsharedHold downloading(cycle / "apt.dat");
        r = run({cycle.path()});
    }
    EXPECT_EQ(r.status, kFailed);
    EXPECT_EQ(r.err.rfind("Cannot read ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find("apt.dat: in use by another program\n"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
}

TEST_F(Cli, AnOlderCycleThanAProductHoldsIsWarnedOf) {
    install(0);
    install(1);
    const test::CycleFolder newer("2606", "2606", "2606", "2606");
    const test::CycleFolder older("2601", "2601", "2606", "2601");
    ASSERT_EQ(run({"--targets", "skelmar-builder", newer.path()}).status, kSuccess);

    const Result r = run({older.path()});

    EXPECT_EQ(r.status, kSuccess) << r.err;
    const std::string expected =
        "Warning: apt.dat is of data cycle 2601, older than the one held by Skelmar Builder (2606)\n";
    EXPECT_NE(r.err.find(expected), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("earth_fix.dat is of data cycle"), std::string::npos) << "the same cycle is not older";
    EXPECT_EQ(r.err.find("Skelmar Console ("), std::string::npos) << "the record holds nothing for it";
    EXPECT_EQ(run({newer.path()}).err.find("older than"), std::string::npos) << "a newer cycle is welcome";
}

// Products that a run passes over with a line of their own, while the
// others are updated.
struct PassedOverCase {
    const char* name;
    std::size_t row;
    std::function<void(const std::string& path)> spoil;
    std::string reason; // "<path>" stands for the product database's path
};

void PrintTo(const PassedOverCase& c, std::ostream* out) { *out << c.name; }

class PassedOver : public Cli, public testing::WithParamInterface<PassedOverCase> {
protected:
    void TearDown() override {
        // A read-only file would outlive its temporary folder on Windows.
        for (std::size_t row = 0; row < kTargetCount; ++row)
            if (fs::exists(target_path(TargetTable[row])))
                fs::permissions(target_path(TargetTable[row]), fs::perms::owner_write, fs::perm_options::add);
    }
};

TEST_P(PassedOver, IsReportedAndLeftAsItWasWhileTheOtherIsUpdated) {
    const std::size_t spoiled_row = GetParam().row;
    const std::string spoiled = install(spoiled_row);
    const std::string other = install(spoiled_row == 0 ? 5 : 0);
    GetParam().spoil(spoiled);
    const std::string spoiled_before = read_file(spoiled);

    const Result r = run({"--categories", "waypoints", sample});

    EXPECT_EQ(r.status, kSomeNotUpdated) << r.err;
    const std::string line = "Could not update " + std::string(TargetTable[spoiled_row].caption) + ": " +
                             test::naming(GetParam().reason, spoiled) + "\n";
    EXPECT_NE(r.out.find(line), std::string::npos) << r.out;
    EXPECT_EQ(read_file(spoiled), spoiled_before);
    EXPECT_EQ(test::sql_count(other, "SELECT count(*) FROM NavWPT WHERE WPTName = 'OLDWP'"), 0);
}

void mark_read_only(const std::string& path) {
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PassedOver,
    testing::Values(
        PassedOverCase{"first_empty", 0, [](const std::string& path) { write_file(path, ""); },
                       "<path> is not a product database: the file is empty"},
        PassedOverCase{"first_foreign_file", 0,
                       [](const std::string& path) { write_file(path, "<html>Service Unavailable</html>\n"); },
                       "<path> is not a product database: the file is not an SQLite database"},
        PassedOverCase{"first_read_only", 0, mark_read_only, "read-only"},
        PassedOverCase{"second_read_only", 5, mark_read_only, "read-only"}),
    [](const testing::TestParamInfo<PassedOverCase>& case_info) { return std::string(case_info.param.name); });

} // namespace
} // namespace quill::cli
