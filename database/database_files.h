// Clears away a database of the program's own before a new one is made in its place.
#pragma once

#include <string>

namespace quill {

// Removes a database file of the program's own together with any journal,
// WAL or shared-memory file beside it, so that a new file made at the path
// never meets a companion of the old one.
void remove_database_files(const std::string& path);

} // namespace quill
