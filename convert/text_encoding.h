// Turns the bytes of source values into UTF-8, for the database and for messages, whatever mix
// of encodings a file holds.
#pragma once

#include <string>
#include <string_view>

namespace quill {

// Turns the bytes of a value from a source file into UTF-8: sequences that are
// valid UTF-8 stay as they are, any other byte is read as Windows-1252 (its
// five undefined bytes as the control characters of the same number). Real
// files mix both encodings, even within one file.
std::string to_utf8(std::string_view bytes);

// True when every byte is below 128, so the bytes are UTF-8 already.
bool is_ascii(std::string_view bytes);

} // namespace quill
