#include "database/great_circle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quill {

double central_angle(double latitude1, double longitude1, double latitude2, double longitude2) {
    constexpr double kRadians = std::numbers::pi / 180.0;
    const double phi1 = latitude1 * kRadians;
    const double phi2 = latitude2 * kRadians;
    const double half_dphi = (phi2 - phi1) / 2;
    const double half_dlambda = (longitude2 - longitude1) * kRadians / 2;
    const double h = std::sin(half_dphi) * std::sin(half_dphi) +
                     std::cos(phi1) * std::cos(phi2) * std::sin(half_dlambda) * std::sin(half_dlambda);
    return 2 * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

} // namespace quill
