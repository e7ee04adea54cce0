// Product databases as a crashed or running product leaves them, for the tests of publishing and
// seeding.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace quill::test {

// The states in which a product leaves its database when it is killed or
// still running, made with real SQLite files. Each starts from the bundled
// product schema.

// A product in WAL mode that committed `committed_sql` and was killed: its
// frames are only in "<path>-wal", the main file does not hold them yet.
void leave_wal_behind(const std::string& path, std::string_view committed_sql);

// A product that committed `committed_sql`, then was killed while writing
// `torn_sql` with a tiny page cache: some changed pages are already in the
// main file, and the hot "<path>-journal" beside it holds the originals.
void leave_hot_journal(const std::string& path, std::string_view committed_sql,
                       std::string_view torn_sql);

// A running product: holds the database open, in a write transaction of its
// own (rollback mode) or as a reader of its WAL, until the object goes.
class RunningProduct {
public:
    enum class Mode { Writing, ReadingWal };
    RunningProduct(const std::string& path, Mode mode);
    ~RunningProduct();
    RunningProduct(const RunningProduct&) = delete;
    RunningProduct& operator=(const RunningProduct&) = delete;

private:
    sqlite3* db_ = nullptr;
};

// Rows that fill a few pages of NavWPT, named <prefix>1 to <prefix><count>.
std::string waypoint_rows(std::string_view prefix, int count);

} // namespace quill::test
