// Blank and lower-case tests that read the same under every locale, unlike <cctype>.
#pragma once

namespace quill {

// Character classes of the program's 8-bit texts, independent of any locale.

// A blank is any character of code 1 to 32; trimming also drops code 0.
inline bool is_blank(char c) { return static_cast<unsigned char>(c) <= 32 && c != 0; }

inline bool is_lower(char c) { return c >= 'a' && c <= 'z'; }

} // namespace quill
