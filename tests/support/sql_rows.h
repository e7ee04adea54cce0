// Reads and writes databases directly, apart from the program's own wrappers, so that tests see
// what a product would.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct sqlite3;

namespace quill::test {

// Opens a database file with SQLite's flags as the program opens files
// (database_file: on Windows in the long form, so that deep paths work);
// throws std::runtime_error when it cannot. The caller closes it.
sqlite3* open_database(const std::string& path, int flags);

// How a reader opens a database: for reading and writing, as the products
// normally do, or only for reading, as a product may do that never writes.
enum class Access { ReadWrite, ReadOnly };

// The rows of a query on a database file, each row's values as SQLite writes
// them joined by "|" (NULL as "NULL").
std::vector<std::string> sql_rows(const std::string& database, std::string_view sql,
                                  Access access = Access::ReadWrite);

// The single number a counting query gives.
long long sql_count(const std::string& database, std::string_view sql,
                    Access access = Access::ReadWrite);

// Runs statements on a database file.
void sql_exec(const std::string& database, std::string_view sql);

} // namespace quill::test
