#pragma once

#include "app/error.h"

struct sqlite3;

namespace quill {

// What a user is told when another program keeps a database locked past
// the wait.
inline constexpr const char* kInUseReason = "in use by another program";

// The failure of the last SQLite call on the connection: SQLite's own
// message, or kInUseReason for a lock that did not clear.
Error sqlite_error(sqlite3* db);

} // namespace quill
