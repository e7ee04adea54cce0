#include "database/airway_lookups.h"

#include "database/data_module.h"

namespace quill {

AirwayLookups::AirwayLookups(const TdfmMain& module)
    : waypoints_(module.FDTableWPT, "WPTName"), ndbs_(module.FDTableNDB, "NDBID"),
      vors_(module.FDTableVOR, "VORID") {}

const FixIndex* AirwayLookups::for_fix_type(std::string_view fix_type) const {
    if (fix_type == "WPT") return &waypoints_;
    if (fix_type == "NDB") return &ndbs_;
    if (fix_type == "VOR") return &vors_;
    return nullptr;
}

} // namespace quill
