// Tests of the SHAPEID counter, which raises its decimal text in place.
#include "convert/shape_counter.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

// Every carry, up to four digits, gives the plain decimal of the count.
TEST(ShapeCounter, CountsInPlainDecimalAcrossCarries) {
    ShapeCounter counter;
    for (long expected = 1; expected <= 10000; ++expected) {
        ASSERT_EQ(counter.next(), std::to_string(expected));
    }
}

} // namespace
} // namespace quill
