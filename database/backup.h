#pragma once

namespace quill {

class Connection;

// Copies the whole committed content of one open database into another
// through SQLite's online backup: what a reader of the source would see,
// WAL frames included, written into the destination under its own locks
// and journal. The destination takes the source's page size. Throws
// sqlite_error's texts.
void copy_database(const Connection& from, const Connection& to);

} // namespace quill
