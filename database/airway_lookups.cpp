#include "database/airway_lookups.h"

#include "database/work_database.h"

namespace quill {

AirwayLookups::AirwayLookups(const WorkDatabase& database)
    : waypoints_(database.table(WorkTable::WPT), "WPTName"), ndbs_(database.table(WorkTable::NDB), "NDBID"),
      vors_(database.table(WorkTable::VOR), "VORID") {}

const FixIndex* AirwayLookups::for_fix_type(std::string_view fix_type) const {
    if (fix_type == "WPT") return &waypoints_;
    if (fix_type == "NDB") return &ndbs_;
    if (fix_type == "VOR") return &vors_;
    return nullptr;
}

} // namespace quill
