// Turns SQLite's failures into the program's errors, as the user reads them.
#pragma once

#include "app/error.h"

struct sqlite3;

namespace quill {

// The failure of the last SQLite call on the connection, in the program's own
// terms where it has them, so that a condition reads the same whether SQLite
// or the program met it: kInUseReason for a lock that did not clear past the
// wait, "Disk full" for a full disk, "File access denied" for a database that
// cannot be written; SQLite's own message otherwise.
Error sqlite_error(sqlite3* db);

} // namespace quill
