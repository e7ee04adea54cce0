// The haversine formula in degrees, with each point's latitude cosine worked out once.
#include "geometry/great_circle.h"

#include <cmath>
#include <numbers>

namespace quill {

namespace {
constexpr double kHalfRadians = std::numbers::pi / 360.0;
} // namespace

ArcPoint arc_point(double latitude, double longitude) {
    return {latitude, longitude, std::cos(latitude * 2 * kHalfRadians)};
}

double arc_haversine(const ArcPoint& from, const ArcPoint& to) {
    const double half_dphi = std::sin((to.latitude - from.latitude) * kHalfRadians);
    const double half_dlambda = std::sin((to.longitude - from.longitude) * kHalfRadians);
    return half_dphi * half_dphi + from.latitude_cosine * to.latitude_cosine * half_dlambda * half_dlambda;
}

} // namespace quill
