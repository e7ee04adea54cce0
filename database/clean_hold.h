// Readies a live product database to be copied or replaced: nothing of it may lie in a journal or
// WAL beside it.
#pragma once

#include "database/connection.h"

#include <string>

namespace quill {

// A product database opened through SQLite and brought to the clean state in
// which its main file alone holds all of it: a hot journal rolled back, a
// WAL checkpointed and removed, the file left in rollback-journal mode.
// While the object lives it holds the database's exclusive lock, so no other
// program reads or writes it, and nothing of the old file lies beside it
// that could pair with a file renamed into its place.
//
// Throws kInUseReason when another program keeps the database busy past a
// few seconds or keeps a WAL or journal beside it, and SQLite's own message
// when the file is not a database.
class CleanHold {
public:
    explicit CleanHold(const std::string& path);
    // Ends the transaction without writing, then closes.
    ~CleanHold();
    CleanHold(const CleanHold&) = delete;
    CleanHold& operator=(const CleanHold&) = delete;

    const Connection& connection() const { return connection_; }

private:
    Connection connection_;
};

// Brings the database to the clean state without keeping its lock, for
// writers that take the lock themselves (the online backup).
void make_clean(const Connection& connection, const std::string& path);

// Opens a product database through SQLite for reading and writing, waiting a
// few seconds for another program's lock; a hot journal beside it is rolled
// back when it is first read.
void open_product_database(Connection& connection, const std::string& path);

} // namespace quill
