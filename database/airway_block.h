#pragma once

#include <string>

namespace quill {

class TdfmMain;
struct LoadBlock;

// Loads one airway file into NavAirway. Each point takes the position of its
// fix from NavWPT, NavNDB or NavVOR (by FIXTYPE) as they stand now; a point
// whose fix is not found is dropped. Where a name has several rows, the two
// ends of a segment are chosen together (closest pair); a lone end takes the
// earliest row.
void load_airways(const LoadBlock& block, const TdfmMain& module, const std::string& path);

} // namespace quill
