// Small text helpers of the converters: trimming, upper-casing and the lines they skip.
#pragma once

#include <string>
#include <string_view>

#include "app/characters.h"

namespace quill {

// A NUL ends a line for the tokenizers.
inline std::string_view up_to_nul(std::string_view line) {
    const std::size_t nul = line.find('\0');
    return nul == std::string_view::npos ? line : line.substr(0, nul);
}

// Removes leading and trailing characters of code 32 or less. Inline: most
// fields come from the blank tokenizer and have nothing to remove.
inline std::string_view trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
}

// Appends the text with only the letters a to z upper-cased.
void append_upper(std::string& out, std::string_view text);
// True when the source line is a header, version, end or empty line. Each
// token must stand alone: it is followed by a blank or ends the line.
bool skip_line(std::string_view line);

} // namespace quill
