#pragma once

#include <string>
#include <string_view>

namespace quill {

// Number text with the full stop as decimal separator: optional spaces, an
// optional sign, digits with at most one full stop, an optional exponent,
// optional spaces. Gives the nearest double (0 for a value too small for the
// smallest denormal); false for anything else, a value past the largest double included.
bool parse_number(std::string_view text, double& value);

// As parse_number; throws "'<text>' is not a valid floating point value".
double text_to_number(std::string_view text);

// General format with at most 15 significant digits: "40", "-99.99", "3E-5", "0".
std::string format_number(double value);

} // namespace quill
