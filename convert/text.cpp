#include "convert/text.h"

#include <array>

namespace quill {

std::string_view trim(std::string_view text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
    return text.substr(first, last - first);
}

void append_upper(std::string& out, std::string_view text) {
    for (char c : text) out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c);
}

std::string_view upper(std::string_view text, std::string& scratch) {
    bool has_lower = false;
    for (char c : text) has_lower |= (c >= 'a' && c <= 'z');
    if (!has_lower) return text;
    scratch.clear();
    append_upper(scratch, text);
    return scratch;
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
