#include "database/airway_lookups.h"

#include "database/work_database.h"

namespace quill {

namespace {

FixIndex waypoints_of(const Table& table, std::optional<FixIndex> foreseen) {
    if (foreseen && foreseen->holds_rows_of(table, "WPTName")) return std::move(*foreseen);
    return FixIndex(table, "WPTName");
}

} // namespace

AirwayLookups::AirwayLookups(const WorkDatabase& database, std::optional<FixIndex> foreseen_waypoints)
    : waypoints_(waypoints_of(database.table(WorkTable::WPT), std::move(foreseen_waypoints))),
      ndbs_(database.table(WorkTable::NDB), "NDBID"), vors_(database.table(WorkTable::VOR), "VORID") {}

const FixIndex* AirwayLookups::for_fix_type(std::string_view fix_type) const {
    if (fix_type == "WPT") return &waypoints_;
    if (fix_type == "NDB") return &ndbs_;
    if (fix_type == "VOR") return &vors_;
    return nullptr;
}

} // namespace quill
