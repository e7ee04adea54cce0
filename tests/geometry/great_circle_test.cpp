// Tests the haversine against arcs of known length.
#include "geometry/great_circle.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace quill {
namespace {

struct Arc {
    double latitude1, longitude1, latitude2, longitude2;
    double degrees;
};

class ArcHaversineTest : public ::testing::TestWithParam<Arc> {};

TEST_P(ArcHaversineTest, GivesTheHaversineOfKnownArcs) {
    const Arc& arc = GetParam();
    const double haversine = 
        arc_haversine(arc_point(arc.latitude1, arc.longitude1), arc_point(arc.latitude2, arc.longitude2));
    EXPECT_NEAR(2 * std::asin(std::sqrt(haversine)) * 180 / std::numbers::pi, arc.degrees, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Arcs, ArcHaversineTest,
                         ::testing::Values(Arc{0, 0, 0, 0, 0}, Arc{0, 0, 0, 90, 90}, Arc{0, 0, 90, 0, 90},
                                           Arc{0, 179.5, 0, -179.5, 1}, Arc{45, 0, -45, 180, 180},
                                           Arc{60, 0, 60, 180, 60}, Arc{89, 0, 89, 180, 2}));

} // namespace
} // namespace quill
