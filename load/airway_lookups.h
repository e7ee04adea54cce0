// The lookups where airway points find their fixes, read once per load.
#pragma once

#include "load/fix_index.h"
#include "load/foreseen_waypoints.h"

#include <optional>
#include <string_view>

namespace quill {

class WorkDatabase;

// The three tables where airway points find their fixes, read as they stand
// once the navaid and fix blocks have run. Nothing writes them during the
// airway blocks, so both airway files share one reading. Waypoints foreseen
// are taken instead of grouping NavWPT anew where it holds exactly them.
// Read on the thread that writes the database and never changed afterwards,
// they are handed whole to a thread that reads airway blocks ahead (see
// LoadFeed::lookups_read).
class AirwayLookups {
public:
    explicit AirwayLookups(const WorkDatabase& database,
                           std::optional<ForeseenWaypoints> foreseen = {});

    // The lookup table for a FIXTYPE ("WPT", "NDB", "VOR"); null for any other.
    const FixIndex* for_fix_type(std::string_view fix_type) const;

private:
    const FixIndex waypoints_;
    const FixIndex ndbs_;
    const FixIndex vors_;
};

} // namespace quill
