// The last check of the work database before it is written over the products' databases.
#pragma once

#include <string>

namespace quill {

// Runs SQLite's quick check on a closed database file; throws with the
// check's own report when the file is not sound, so it is never published.
void quick_check(const std::string& path);

} // namespace quill
