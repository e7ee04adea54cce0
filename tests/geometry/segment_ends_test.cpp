// Tests of choosing an airway segment's ends among fixes of one name.
#include "geometry/segment_ends.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace quill {
namespace {

struct Ends {
    std::string name;
    std::vector<FixPosition> first;
    std::vector<FixPosition> second;
    std::size_t chosen_first;
    std::size_t chosen_second;
};

std::ostream& operator<<(std::ostream& out, const Ends& ends) { return out << ends.name; }

FixPosition at(double latitude, double longitude) { return {latitude, longitude, 0}; }
FixPosition bad() { return {NAN, NAN, 1}; }

class ClosestEndsTest : public ::testing::TestWithParam<Ends> {};

TEST_P(ClosestEndsTest, ChoosesTheClosestPair) {
    const EndChoice choice = closest_ends(GetParam().first, GetParam().second);
    EXPECT_EQ(choice.first, GetParam().chosen_first);
    EXPECT_EQ(choice.second, GetParam().chosen_second);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClosestEndsTest,
    ::testing::Values(
        Ends{"Unique", {at(1, 1)}, {at(2, 2)}, 0, 0},
        Ends{"SecondEndDecides", {at(47, -122)}, {at(48, 11), at(47.5, -121)}, 0, 1},
        Ends{"BothEndsDecide", {at(48, 11), at(-33, 151), at(47, -122)}, {at(-34, 150), at(49, -118)}, 1, 0},
        Ends{"TieTakesEarliestFirstEnd", {at(0, -1), at(0, 1)}, {at(0, 0)}, 0, 0},
        Ends{"TieTakesEarliestSecondEnd", {at(0, 0)}, {at(0, 1), at(0, -1)}, 0, 0},
        Ends{"AcrossTheAntimeridian", {at(0, 179.5)}, {at(0, 170), at(0, -179.5)}, 0, 1},
        Ends{"RowWithoutNumbersLoses", {bad(), at(10, 10)}, {at(0, 0)}, 1, 0},
        Ends{"OnlyRowsWithoutNumbers", {bad(), bad()}, {at(0, 0)}, 0, 0}),
    [](const auto& case_info) { return case_info.param.name; });

} // namespace
} // namespace quill
