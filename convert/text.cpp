// How text is upper-cased and which source lines carry no data.
#include "convert/text.h"

#include <array>

namespace quill {

void append_upper(std::string& out, std::string_view text) {
    for (char c : text) out.push_back(is_lower(c) ? static_cast<char>(c - 32) : c);
}

bool skip_line(std::string_view line) {
    static constexpr std::array<std::string_view, 5> kTokens{"I", "1200", "1100", "1101", "99"};
    if (line.empty()) return true;
    // Nearly every line is data: its first byte alone rules it out.
    if (line[0] != 'I' && line[0] != '1' && line[0] != '9') return false;
    for (std::string_view token : kTokens) {
        if (line.starts_with(token) &&
            (line.size() == token.size() || static_cast<unsigned char>(line[token.size()]) <= 32))
            return true;
    }
    return false;
}

} // namespace quill
