#pragma once

#include <string_view>

namespace quill {

// The SHAPEID counter of one intermediate file: 0 at the start of a
// conversion, raised by one for each shape before its records are written.
class ShapeCounter {
public:
    // Raises the counter; gives the new value in plain decimal, valid until
    // the next call.
    std::string_view next();
    long value() const { return value_; }

private:
    long value_ = 0;
    char text_[24] = {};
};

} // namespace quill
