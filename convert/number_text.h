// The one reading of number texts that converters and loader share, and the writing of the
// positions the program works out.
#pragma once

#include "app/error.h"

#include <string>
#include <string_view>

namespace quill {

// Number text with the full stop as decimal separator: optional spaces, an
// optional sign, digits with at most one full stop, an optional exponent,
// optional spaces. Gives the nearest double (0 for a value too small for the
// smallest denormal); false for anything else, a value past the largest double included.
bool parse_number(std::string_view text, double& value);

// As parse_number; throws number_error.
double text_to_number(std::string_view text);

// "'<text>' is not a valid floating point value", the text decoded as values
// are, so that a Latin-1 byte of a source file shows as its character.
Error number_error(std::string_view text);

// General format with at most 15 significant digits: "40", "-99.99", "3E-5", "0".
std::string format_number(double value);

} // namespace quill
