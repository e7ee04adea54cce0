// The airport values that are worked out rather than copied: names without their marker,
// frequencies in MHz and the position of a runway.
#pragma once

#include <string>
#include <string_view>

namespace quill {

// The airport name from its joined words: every marker removed (exact case;
// an empty marker removes nothing), trimmed, then a to z upper-cased.
// " [S] Lake Harbour" with the marker "[S]" gives "LAKE HARBOUR".
void finish_airport_name(std::string& joined, std::string_view marker, std::string& name);

// The frequency in MHz from the source's digits: a full stop after the third
// of five or six characters ("12280" gives "122.80", "118325" gives
// "118.325"). False for any other length.
bool frequency_text(std::string_view digits, std::string& out);

// The plain mean of a runway's two ends: end 2 plus half the way to end 1.
double midpoint(double end1, double end2);

// The mean of two longitudes on the short arc: ends more than 180 degrees
// apart straddle the antimeridian, so their plain mean is turned half a turn,
// into the range above -180 up to 180.
double midpoint_longitude(double end1, double end2);

} // namespace quill
