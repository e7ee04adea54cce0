#pragma once

#include "app/error.h"

struct sqlite3;

namespace quill {

// The failure of the last SQLite call on the connection, with SQLite's own message.
Error sqlite_error(sqlite3* db);

} // namespace quill
