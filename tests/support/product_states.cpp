// How killed and running products are staged with real SQLite files, journals and WALs.
#include "support/product_states.h"

#include "support/sql_rows.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <sqlite3.h>
#include <stdexcept>

namespace quill::test {

namespace {

namespace fs = std::filesystem;

void exec(sqlite3* db, std::string_view sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db, std::string(sql).c_str(), nullptr, nullptr, &message);
    const std::string reason = message ? message : "";
    sqlite3_free(message);
    if (rc != SQLITE_OK) throw std::runtime_error("product state: " + reason);
}

sqlite3* open(const std::string& path) { return open_database(path, SQLITE_OPEN_READWRITE); }

// The product's files copied while it still has them open: exactly what its
// death at this moment leaves on disk.
void snapshot(const std::string& from, const std::string& to, std::string_view companion) {
    const std::string suffix(companion);
    if (!fs::exists(from + suffix)) throw std::runtime_error("no " + suffix + " to leave behind");
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    fs::copy_file(from + suffix, to + suffix, fs::copy_options::overwrite_existing);
}

void remove_with_companions(const std::string& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) fs::remove(path + suffix);
}

} // namespace

void leave_wal_behind(const std::string& path, std::string_view committed_sql) {
    const std::string live = path + ".live";
    create_product_database(live);
    sqlite3* db = open(live);
    exec(db, "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0;");
    exec(db, committed_sql);
    snapshot(live, path, "-wal");
    sqlite3_close(db);
    remove_with_companions(live);
}

void leave_hot_journal(const std::string& path, std::string_view committed_sql,
                       std::string_view torn_sql) {
    const std::string live = path + ".live";
    create_product_database(live, committed_sql);
    sqlite3* db = open(live);
    exec(db, "PRAGMA cache_size = 1; BEGIN;");
    exec(db, torn_sql);
    snapshot(live, path, "-journal");
    exec(db, "ROLLBACK;");
    sqlite3_close(db);
    remove_with_companions(live);
}

RunningProduct::RunningProduct(const std::string& path, Mode mode) : db_(open(path)) {
    if (mode == Mode::Writing) {
        exec(db_, "BEGIN EXCLUSIVE; DELETE FROM NavAirway;");
        return;
    }
    exec(db_, "PRAGMA journal_mode = WAL; BEGIN; SELECT count(*) FROM NavWPT;");
}

RunningProduct::~RunningProduct() { sqlite3_close(db_); }

std::string waypoint_rows(std::string_view prefix, int count) {
    return "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(count) + ") INSERT INTO NavWPT(ShapeID, Latitude, Longitude, WPTName) " +
           "SELECT i, i / 100.0, -i / 100.0, '" + std::string(prefix) + "' || i FROM n;";
}

} // namespace quill::test
