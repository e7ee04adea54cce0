// How a number given as text is checked and converted, failing with the user's own message.
#include "app/integer_text.h"

#include <charconv>
#include <limits>
#include <string>

#include "app/error.h"
#include "app/characters.h"

namespace quill {

namespace {

constexpr std::uint64_t kLargestMagnitude = std::uint64_t{1} << 31;

// Removes a hexadecimal prefix and gives the base of the digits that follow.
int take_base(std::string_view& text) {
    if (text.starts_with('$')) {
        text.remove_prefix(1);
        return 16;
    }
    if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
        return 16;
    }
    return 10;
}

bool parse_integer(std::string_view text, std::int32_t& value) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const int base = take_base(text);
    if (text.empty()) return false;

    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
    if (error != std::errc{} || stop != end) return false;
    if (magnitude > kLargestMagnitude - (negative ? 0 : 1)) return false;

    const auto signed_magnitude = static_cast<std::int64_t>(magnitude);
    value = static_cast<std::int32_t>(negative ? -signed_magnitude : signed_magnitude);
    return true;
}

} // namespace

std::int32_t text_to_integer(std::string_view text) {
    std::int32_t value = 0;
    if (!parse_integer(text, value)) {
        throw Error("'" + std::string(text) + "' is not a valid integer value for Integer type.");
    }
    return value;
}

} // namespace quill
