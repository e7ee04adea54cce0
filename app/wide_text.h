#pragma once

#include <string>
#include <string_view>

// UTF-8, the program's text, to UTF-16, the Win32 text, and back. Only the
// Windows side of the program uses these (wide_text_win32.cpp).

namespace quill {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);

} // namespace quill
