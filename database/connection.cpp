// How a database file is opened through SQLite on each system, and a file held without sharing
// told apart.
#include "database/connection.h"

#include "app/platform.h"
#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

Connection::~Connection() { close(); }

void Connection::open(const std::string& path, Mode mode) {
    close();
    sqlite3* db = nullptr;
    // One thread uses the connection, so SQLite need not lock around each call.
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    if (mode == Mode::Create) flags |= SQLITE_OPEN_CREATE;
    const DatabaseFile file = database_file(path);
    if (sqlite3_open_v2(file.path.c_str(), &db, flags, file.file_layer) != SQLITE_OK) {
        // SQLite cannot tell a file held without sharing from one it may not open.
        Error error = held_without_sharing(path) ? io_error(IoFailure::InUse) : sqlite_error(db);
        sqlite3_close(db);
        throw error;
    }
    db_ = db;
}

void Connection::set_busy_timeout(int milliseconds) { sqlite3_busy_timeout(db_, milliseconds); }

std::int64_t Connection::last_insert_rowid() const { return sqlite3_last_insert_rowid(db_); }

void Connection::close() {
    // Statements are finalized by their owners first; v2 copes with stragglers.
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

} // namespace quill
