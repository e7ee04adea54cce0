#pragma once

#include <string>

namespace quill {

class AirwayLookups;
class Table;
struct LoadBlock;

// Loads one airway file into NavAirway. Each point takes the position of its
// fix from the lookup table of its FIXTYPE; a point whose fix is not found is
// dropped. Where a name has several rows, the two ends of a segment are
// chosen together (closest pair); a lone end takes the earliest row.
void load_airways(const LoadBlock& block, const AirwayLookups& lookups, const Table& table,
                  const std::string& path);

} // namespace quill
