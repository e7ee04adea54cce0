// What a run does to the products' databases: seeds the work database from one, publishes it
// over each, or only tries them.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/target_table.h"

namespace quill {

class CopiesAhead;

// Replaces the database of a TargetTable row with the database file at
// `source`, safely: the old file is held clean and locked, then replaced
// whole, so it is always either its old self or the new one. The old file is
// kept as the row's previous database in the work folder; false when there
// was no old file to keep. Throws an Error whose message is the reason, for
// example "in use by another program". The copy that replaces the target is
// taken from `ahead` where one was made there.
bool replace_target(const std::string& source, std::size_t row, const std::string& work_folder,
                   CopiesAhead* ahead = nullptr);

// The outcome of publishing to one target.
struct PublishResult {
    std::size_t row = 0; // index into TargetTable
    bool written = false;
    bool kept_previous = false;
    std::string reason; // why not, when not written
};

// Copies the database of the first selected target that can be read as a
// product database into the work folder as the work database. Each selected
// target passed over on the way (busy, unreadable, not a product database)
// is given back as not written, with its reason: it is not updated, and the
// others still are. Throws "No target database selected", or, when none can
// be read, the first one's "Could not copy <path> to the work folder: <reason>".
std::vector<PublishResult> seed_work_database(const TargetSelection& selected, const std::string& work_folder);

// Told of each selected target's result as soon as it is known, before the
// next target is tried, so that what follows a replacement (its record, its
// line) is done even when the run is stopped part way.
using TargetDone = std::function<void(const PublishResult&)>;

// Replaces every selected target, in table order, with the database file that
// source_of(row) names, through replace_target. A failure, thrown by either,
// becomes that target's result and the next one is still tried.
std::vector<PublishResult>
replace_selected_targets(const TargetSelection& selected, const std::string& work_folder,
                       const std::function<std::string(std::size_t)>& source_of,
                       const TargetDone& done, CopiesAhead* ahead = nullptr);

// Replaces every selected target's database with the work database, in table
// order. A target that cannot be written keeps its old file whole and the
// next one is still tried. One result per selected target.
std::vector<PublishResult> publish_work_database(const TargetSelection& selected,
                                               const std::string& work_folder,
                                               const TargetDone& done = {},
                                               CopiesAhead* ahead = nullptr);

// In place of publishing, as a check does: each selected target is read as
// a product database, and one marked read-only or that cannot be read is
// given back as not written, with its reason. Nothing is written.
std::vector<PublishResult> try_targets(const TargetSelection& selected);

} // namespace quill
