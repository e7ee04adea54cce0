#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/target_table.h"

namespace quill {

// Copies the database of the first selected target into the work folder as
// the work database. Throws "No target database selected" or
// "Could not copy <path> to the work folder: <reason>".
void SeedWorkDatabase(const TargetSelection& selected, const std::string& work_folder);

// The outcome of publishing to one target.
struct PublishResult {
    std::size_t row = 0; // index into TargetTable
    bool written = false;
    std::string reason; // why not, when not written
};

// Replaces every selected target's database with the work database, in table
// order. A target that cannot be written keeps its old file whole and the
// next one is still tried. One result per selected target.
std::vector<PublishResult> PublishWorkDatabase(const TargetSelection& selected,
                                               const std::string& work_folder);

} // namespace quill
