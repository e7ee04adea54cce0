#pragma once

#include <string>
#include <string_view>

// UTF-8, the program's text, to UTF-16, the Win32 text, and back. Only the
// Windows side of the program uses these (wide_text_win32.cpp).

namespace quill {

std::wstring to_wide(std::string_view utf8);
std::string to_utf8(std::wstring_view wide);

// A path as the Win32 file functions are to take it: UTF-16, made absolute
// and in the "\\?\" form ("\\?\UNC\" for a network share), which lifts the
// 260-character limit on every Windows. The form takes the path as it is,
// so it is first brought to the shape Windows itself gives a path: "/" as
// "\", "." and ".." resolved. A device's path stays as it is.
std::wstring to_wide_path(std::string_view utf8);

} // namespace quill
