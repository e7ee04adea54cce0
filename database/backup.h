// Copies whole databases through SQLite: a product's into the work database, and back where a
// product's file cannot simply be replaced.
#pragma once

namespace quill {

class Connection;

// Copies the whole committed content of one open database into another
// through SQLite's online backup: what a reader of the source would see,
// WAL frames included, written into the destination under its own locks
// and journal. The destination takes the source's page size. A copy that
// fails part way is rolled back before its error is thrown: the destination
// is its old self, whole, with no journal beside it. Throws sqlite_error's
// texts.
void copy_database(const Connection& from, const Connection& to);

} // namespace quill
