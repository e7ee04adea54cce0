// How bytes are taken as UTF-8 where they are valid, and as Windows-1252 otherwise.
#include "convert/text_encoding.h"

#include <array>
#include <cstdint>

namespace quill {

namespace {

// Windows-1252 code points of the bytes 0x80 to 0x9F.
constexpr std::array<std::uint16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void append_code_point(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// Length of the valid UTF-8 sequence at pos, or 0 when there is none.
std::size_t utf8_sequence(std::string_view s, std::size_t pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    std::uint32_t cp;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2, cp = lead & 0x1F;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3, cp = lead & 0x0F;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4, cp = lead & 0x07;
    else return 0;
    if (pos + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
    const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
    if (overlong || surrogate || cp > 0x10FFFF) return 0;
    return length;
}

} // namespace

bool is_ascii(std::string_view bytes) {
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

std::string to_utf8(std::string_view bytes) {
    if (is_ascii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const unsigned char c = static_cast<unsigned char>(bytes[pos]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++pos;
        } else if (const std::size_t length = utf8_sequence(bytes, pos)) {
            out.append(bytes.substr(pos, length));
            pos += length;
        } else {
            append_code_point(out, c < 0xA0 ? kHighControls[c - 0x80] : c);
            ++pos;
        }
    }
    return out;
}

} // namespace quill
