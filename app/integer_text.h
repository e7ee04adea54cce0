// Reads the window's LEFT and TOP start-up parameters as numbers, as a user may write them.
#pragma once

#include <cstdint>
#include <string_view>

namespace quill {

// An integer written as text: optional leading blanks, an optional sign, then
// decimal digits or hexadecimal digits after "$" or "0x", and nothing after
// them; the value must fit a signed 32-bit integer. Throws
// "'<text>' is not a valid integer value for Integer type." otherwise.
std::int32_t text_to_integer(std::string_view text);

} // namespace quill
