// How only the tail of a source file is read to find its end line.
#include "convert/end_line.h"

#include "app/platform.h"

#include <string_view>

namespace quill {

namespace {

// Enough for the end line and the blank lines or blanks that may follow it.
constexpr std::size_t kTailBytes = 256;

constexpr std::string_view kBlanks = " \t\r\n";

} // namespace

bool ends_with_end_line(const std::string& path) {
    SystemFile file = SystemFile::open_to_read(path);
    file.skip_to_last(kTailBytes);
    const std::string tail = read_up_to(file, kTailBytes);
    file.close();
    std::string_view text(tail);
    text = text.substr(0, text.find_last_not_of(kBlanks) + 1);
    text = text.substr(text.find_last_of("\r\n") + 1);
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first != std::string_view::npos && text.substr(first) == "99";
}

} // namespace quill
