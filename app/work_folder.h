// Where a run keeps its own files: the work folder, and in it the work database.
#pragma once

#include <string>
#include <string_view>

namespace quill {

// The work database: a copy of a product database, refilled by a run.
inline constexpr std::string_view kWorkDatabaseName = "GPS.db";

// Makes the program's own folders below the application-data folder and gives
// the work folder's path, ending in a separator. Only the two program levels
// are created; a failure to create them is left to the later file operations.
std::string make_work_folder();

// The work database's path in the work folder.
std::string work_database_path(const std::string& work_folder);

} // namespace quill
