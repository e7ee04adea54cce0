// Reading the airway lookups from the navaid and waypoint tables.
#include "load/airway_lookups.h"

#include "load/work_database.h"

namespace quill {

namespace {

FixIndex waypoints_of(const Table& table, std::optional<ForeseenWaypoints> foreseen) {
    if (foreseen && foreseen->held_by(table)) return std::move(*foreseen).index();
    return FixIndex(table, "WPTName");
}

} // namespace

AirwayLookups::AirwayLookups(const WorkDatabase& database,
                             std::optional<ForeseenWaypoints> foreseen)
    : waypoints_(waypoints_of(database.table(WorkTable::WPT), std::move(foreseen))),
      ndbs_(database.table(WorkTable::NDB), "NDBID"),
      vors_(database.table(WorkTable::VOR), "VORID") {}

const FixIndex* AirwayLookups::for_fix_type(std::string_view fix_type) const {
    if (fix_type == "WPT") return &waypoints_;
    if (fix_type == "NDB") return &ndbs_;
    if (fix_type == "VOR") return &vors_;
    return nullptr;
}

} // namespace quill
