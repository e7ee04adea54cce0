// How a product database is opened, its journal and WAL folded into its main file, and held.
#include "database/clean_hold.h"

#include "app/file_system.h"
#include "database/query.h"
#include "database/sqlite_error.h"
#include "database/statement.h"

namespace quill {

namespace {

// Long enough for a product to finish a write, short enough that a product
// holding its database does not stall the run.
constexpr int kBusyTimeoutMilliseconds = 3000;

constexpr Query kBeginExclusive{"BEGIN EXCLUSIVE"};
constexpr Query kRollback{"ROLLBACK"};
// A read makes SQLite roll back a hot journal before anything else.
constexpr Query kRead{"SELECT count(*) FROM sqlite_master"};

// The journal mode a statement leaves the database in.
std::string set_rollback_journal(const Connection& connection) {
    Statement mode(connection, "PRAGMA journal_mode = DELETE");
    return mode.step() ? std::string(mode.column_text(0)) : std::string();
}

bool has_companion(const std::string& path, const char* suffix) {
    return file_exists(path + suffix);
}

} // namespace

void open_product_database(Connection& connection, const std::string& path) {
    connection.open(path);
    connection.set_busy_timeout(kBusyTimeoutMilliseconds);
}

void make_clean(const Connection& connection, const std::string& path) {
    kRead.execute(connection);
    // Leaving WAL mode checkpoints every frame into the main file and removes
    // the WAL; SQLite refuses it while another connection has the file open.
    if (set_rollback_journal(connection) != "delete") throw Error(kInUseReason);
    if (has_companion(path, "-wal")) throw Error(kInUseReason);
}

CleanHold::CleanHold(const std::string& path) {
    open_product_database(connection_, path);
    make_clean(connection_, path);
    kBeginExclusive.execute(connection_);
    kRead.execute(connection_);
    // With the exclusive lock taken and the file read, a hot journal has been
    // rolled back; a journal still beside the file is an empty leftover that
    // must not meet the file renamed into this one's place.
    if (!remove_file(path + "-journal") || has_companion(path, "-wal")) throw Error(kInUseReason);
}

CleanHold::~CleanHold() {
    try {
        kRollback.execute(connection_);
    } catch (const Error&) {
        // Closing abandons the transaction just the same.
    }
}

} // namespace quill
