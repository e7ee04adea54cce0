#include "database/sqlite_error.h"

#include <sqlite3.h>

namespace quill {

Error sqlite_error(sqlite3* db) { return Error(db ? sqlite3_errmsg(db) : "out of memory"); }

} // namespace quill
