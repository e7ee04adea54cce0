#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

Error sqlite_error(sqlite3* db) {
    if (!db) return Error("out of memory");
    const int code = sqlite3_errcode(db);
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) return Error(kInUseReason);
    return Error(sqlite3_errmsg(db));
}

} // namespace quill
