// Removes the file and the companions SQLite may have left beside it.
#include "database/database_files.h"

#include "app/file_system.h"

namespace quill {

void remove_database_files(const std::string& path) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) remove_file(path + suffix);
}

} // namespace quill
