#include "database/great_circle.h"

#include <cmath>
#include <numbers>

namespace quill {

double arc_haversine(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double kHalfRadians = std::numbers::pi / 360.0;
    const double half_dphi = std::sin((latitude2 - latitude1) * kHalfRadians);
    const double half_dlambda = std::sin((longitude2 - longitude1) * kHalfRadians);
    return half_dphi * half_dphi + std::cos(latitude1 * 2 * kHalfRadians) *
                                       std::cos(latitude2 * 2 * kHalfRadians) * half_dlambda * half_dlambda;
}

} // namespace quill
