// The navaid values that are worked out rather than copied: glidepath angles, DME types and
// marker beacon types.
#pragma once

#include <string>
#include <string_view>

namespace quill {

// The glidepath angle and the bearing (or course) cut by character position
// from the combined field: "300180.343" gives "3.00" and "180.343". Missing
// characters are simply absent; characters after the tenth are dropped.
struct AngleParts {
    std::string angle;
    std::string_view bearing;
};
void cut_angle_field(std::string_view field, AngleParts& parts);

// The type column of a DME: its type field with every "/" turned into "-".
void dme_type(std::string_view type, std::string& out);

// The marker beacon type of row 7, 8 or 9: "OM", "MM" or "IM".
std::string_view marker_type(std::string_view code);

} // namespace quill
