#include "convert/shape_counter.h"

#include <charconv>

namespace quill {

std::string_view ShapeCounter::next() {
    ++value_;
    const char* end = std::to_chars(text_, text_ + sizeof text_, value_).ptr;
    return {text_, static_cast<std::size_t>(end - text_)};
}

} // namespace quill
