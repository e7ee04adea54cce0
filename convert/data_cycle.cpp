// How the data cycle is looked for in the first lines of a source file; an unreadable file has
// none.
#include "convert/data_cycle.h"

#include "app/error.h"
#include "convert/line_reader.h"

#include <string_view>

namespace quill {

namespace {
constexpr std::string_view kMarker = "data cycle ";
constexpr int kLinesLooked = 3;
// The first lines are short: a block of a whole file's size would be read for nothing.
constexpr std::size_t kFirstLinesBlock = 1 << 12;
} // namespace

std::string data_cycle(const std::string& path) {
    try {
        LineReader reader(path, {}, kFirstLinesBlock);
        std::string_view line;
        for (int n = 0; n < kLinesLooked && reader.next(line); ++n) {
            const std::size_t at = line.find(kMarker);
            if (at == std::string_view::npos) continue;
            std::size_t end = at + kMarker.size();
            while (end < line.size() && line[end] >= '0' && line[end] <= '9') ++end;
            return std::string(line.substr(at + kMarker.size(), end - at - kMarker.size()));
        }
    } catch (const Error&) {
    }
    return {};
}

} // namespace quill
