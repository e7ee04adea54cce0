// Numbers the shapes of an intermediate file (its SHAPEID column) without formatting a number for
// each.
#pragma once

#include <string_view>

namespace quill {

// The SHAPEID counter of one intermediate file: 0 at the start of a
// conversion, raised by one for each shape before its records are written.
// The count is kept as decimal text and raised in place, digit by digit.
class ShapeCounter {
public:
    // Raises the counter; gives the new value in plain decimal, valid until
    // the next call.
    std::string_view next() {
        std::size_t digit = kDigits;
        while (digit > first_ && text_[digit - 1] == '9') text_[--digit] = '0';
        if (digit == first_) text_[--first_] = '1';
        else ++text_[digit - 1];
        return {text_ + first_, kDigits - first_};
    }

private:
    static constexpr std::size_t kDigits = 20;
    // The digits end at the end of text_ and begin at first_.
    char text_[kDigits] = {};
    std::size_t first_ = kDigits;
};

} // namespace quill
