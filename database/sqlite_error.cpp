// Which SQLite result codes take the program's own texts.
#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

Error sqlite_error(sqlite3* db) {
    if (!db) return Error("out of memory");
    switch (sqlite3_errcode(db)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return io_error(IoFailure::InUse);
    case SQLITE_FULL: return io_error(IoFailure::DiskFull);
    case SQLITE_READONLY:
    case SQLITE_PERM: return io_error(IoFailure::AccessDenied);
    default: return Error(sqlite3_errmsg(db));
    }
}

} // namespace quill
