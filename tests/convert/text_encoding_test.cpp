// Tests of decoding source bytes, UTF-8 and Windows-1252 mixed.
#include "convert/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace quill {
namespace {

struct EncodingCase {
    std::string bytes;
    std::string utf8;
};

void PrintTo(const EncodingCase& c, std::ostream* os) { *os << testing::PrintToString(c.bytes); }

class ToUtf8 : public testing::TestWithParam<EncodingCase> {};

TEST_P(ToUtf8, KeepsUtf8AndReadsOtherBytesAsWindows1252) {
    EXPECT_EQ(to_utf8(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(Texts, ToUtf8, testing::Values(
    EncodingCase{"PLAIN", "PLAIN"},
    EncodingCase{"Riesa-G\xC3\xB6hlis", "Riesa-G\xC3\xB6hlis"},
    EncodingCase{"Zweibr\xFC" "cken", "Zweibr\xC3\xBC" "cken"},
    EncodingCase{"\xE9t\xE9 G\xC3\xB6hlis", "\xC3\xA9t\xC3\xA9 G\xC3\xB6hlis"},
    EncodingCase{"\x80", "\xE2\x82\xAC"},
    EncodingCase{"\x81", "\xC2\x81"},
    EncodingCase{"\xC3", "\xC3\x83"},
    EncodingCase{"\xC0\xAF", "\xC3\x80\xC2\xAF"},
    EncodingCase{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"}));

} // namespace
} // namespace quill
