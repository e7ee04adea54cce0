// The SQLite connection every database step works through.
#pragma once

#include <cstdint>
#include <string>

struct sqlite3;

namespace quill {

// An open SQLite database file, used by one thread at a time; closed when the object goes.
class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    enum class Mode { Existing, Create };

    // Opens a database file for reading and writing; Create makes the file
    // when it is missing. A file that another program holds open without
    // sharing it fails as kInUseReason.
    void open(const std::string& path, Mode mode = Mode::Existing);
    // How long a statement waits for another program's lock before it fails.
    void set_busy_timeout(int milliseconds);
    // Closes the file; a transaction still open is abandoned.
    void close();

    // The rowid of the last row this connection inserted into a table with
    // rowids, also when the statement that inserted it failed afterwards.
    std::int64_t last_insert_rowid() const;

    bool is_open() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

private:
    sqlite3* db_ = nullptr;
};

} // namespace quill
