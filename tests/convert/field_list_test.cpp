// Tests of the blank and pipe tokenizers, quoted fields and NULs among them.
#include "app/error.h"
#include "convert/field_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quill {
namespace {

std::vector<std::string> fields(const FieldList& list) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.count(); ++i) out.emplace_back(list[i]);
    return out;
}

struct SplitCase {
    std::string line;
    std::vector<std::string> expected;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << testing::PrintToString(c.line); }

class BlankTokenizer : public testing::TestWithParam<SplitCase> {};

TEST_P(BlankTokenizer, SplitsIntoFields) {
    FieldList list;
    list.split_blanks(GetParam().line);
    EXPECT_EQ(fields(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, BlankTokenizer, testing::Values(
    SplitCase{"  37.5  -122.25   ABCDE", {"37.5", "-122.25", "ABCDE"}},
    SplitCase{"37.5\t-122.25\tABCDE", {"37.5", "-122.25", "ABCDE"}},
    SplitCase{"ABC \"D E\" F", {"ABC", "D E", "F"}},
    SplitCase{"\"AB\"CD", {"AB", "CD"}},
    SplitCase{"\"say \"\"hi\"\"\" x", {"say \"hi\"", "x"}},
    SplitCase{"\"open quote runs on", {"open quote runs on"}},
    SplitCase{"   \t  ", {}},
    SplitCase{"", {}},
    SplitCase{std::string("AB\0CD EF", 8), {"AB"}},
    SplitCase{"A\x01" "B\x1F" "C\rD\x0B" "E", {"A", "B", "C", "D", "E"}},
    SplitCase{"Z\xFCrich \xA0x", {"Z\xFCrich", "\xA0x"}},
    SplitCase{"AB\"C D\"", {"AB\"C", "D\""}},
    SplitCase{"A \"\" B", {"A", "", "B"}}));

class PipeTokenizer : public testing::TestWithParam<SplitCase> {};

TEST_P(PipeTokenizer, SplitsIntoFields) {
    FieldList list;
    list.split_pipes(GetParam().line);
    EXPECT_EQ(fields(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Lines, PipeTokenizer, testing::Values(
    SplitCase{"12|37.5|-122.25|ABCDE", {"12", "37.5", "-122.25", "ABCDE"}},
    SplitCase{"12||", {"12", "", ""}},
    SplitCase{"a||b", {"a", "", "b"}},
    SplitCase{"|a", {"", "a"}},
    SplitCase{"a|", {"a", ""}},
    SplitCase{"", {}},
    SplitCase{" a | b ", {" a ", " b "}},
    SplitCase{"1|\"Q\"|2", {"1", "Q", "2"}},
    SplitCase{"1|\"Q\"x|2", {"1", "Q", "x", "2"}},
    SplitCase{"1|\"open|2|3", {"1", "open|2|3"}},
    SplitCase{"1|A|B|C", {"1", "A", "B", "C"}},
    SplitCase{std::string("a|b\0|c", 6), {"a", "b"}},
    SplitCase{"|", {"", ""}},
    SplitCase{"\"Q\"|", {"Q", ""}}));

TEST(FieldList, AskingPastTheLastFieldNamesTheIndex) {
    FieldList list;
    list.split_blanks("47.5 -122.25");
    EXPECT_EQ(list[1], "-122.25");
    try {
        (void)list[2];
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), "List index out of bounds (2)");
    }
}

TEST(FieldList, SplitUpToAFieldCountStopsThere) {
    FieldList list;
    list.split_blanks("  47.5  -122.25  abcde ENRT K1 2105", 3);
    EXPECT_EQ(fields(list), (std::vector<std::string>{"47.5", "-122.25", "abcde"}));
    list.split_blanks("47.5 \"-122.25\"", 3);
    EXPECT_EQ(fields(list), (std::vector<std::string>{"47.5", "-122.25"}));
}

} // namespace
} // namespace quill
