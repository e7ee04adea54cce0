// The restore run: undoing the last update of chosen products from their kept previous databases.
#pragma once

#include "app/target_table.h"
#include "run/target_databases.h"
#include "run/update_lock.h"

#include <string>
#include <vector>

namespace quill {

// Whether a target's previous database is kept in the work folder.
bool has_previous_database(const std::string& work_folder, std::size_t row);

// Puts back the previous database of every selected target, in table order,
// through the same safe replacement as publishing; the database it replaces
// becomes the previous one, so a restore can itself be undone. The caller
// holds the work folder (`held`) from before it looks at what is kept, so
// that while another update runs it says nothing but that. One result per
// selected target.
std::vector<PublishResult> restore_previous_databases(const TargetSelection& selected,
                                                    const std::string& work_folder,
                                                    const UpdateLock& held);

} // namespace quill
