#pragma once

#include "app/target_table.h"
#include "run/target_databases.h"

#include <string>
#include <vector>

namespace quill {

// Whether a target's previous database is kept in the work folder.
bool has_previous_database(const std::string& work_folder, std::size_t row);

// Puts back the previous database of every selected target, in table order,
// through the same safe replacement as publishing; the database it replaces
// becomes the previous one, so a restore can itself be undone. Holds the
// work folder like an update and fails at once with kAnotherUpdateRunning
// while one runs. One result per selected target.
std::vector<PublishResult> RestorePreviousDatabases(const TargetSelection& selected,
                                                    const std::string& work_folder);

} // namespace quill
