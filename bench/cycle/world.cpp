// How the regions of a generated world are placed, and points within and around them.
#include "cycle/world.h"

#include "cycle/names.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quill::bench {

namespace {
constexpr double kMetresPerDegree = 111320.0;
constexpr double kRadiansPerDegree = std::numbers::pi / 180.0;
} // namespace

double wrap_longitude(double longitude) {
    while (longitude > 180.0) longitude -= 360.0;
    while (longitude <= -180.0) longitude += 360.0;
    return longitude;
}

Position offset(Position from, double bearing, double metres) {
    const double radians = bearing * kRadiansPerDegree;
    const double north = std::cos(radians) * metres / kMetresPerDegree;
    const double east = std::sin(radians) * metres /
                        (kMetresPerDegree * std::max(0.05, std::cos(from.latitude * kRadiansPerDegree)));
    return {from.latitude + north, wrap_longitude(from.longitude + east)};
}

int World::any_region(Random& random) const { return static_cast<int>(random.next() % regions.size()); }

Position World::position_in(Random& random, int region) const {
    const Region& r = regions[region];
    const double latitude = std::clamp(r.center.latitude + random.between(-r.radius, r.radius), -85.0, 85.0);
    const double longitude = wrap_longitude(r.center.longitude + random.between(-r.radius, r.radius) * 1.5);
    return {latitude, longitude};
}

void World::add_waypoint(int region, Waypoint waypoint) {
    waypoints_by_region[region].push_back(std::move(waypoint));
}

World make_world(Random& random, int region_count) {
    World world;
    for (int i = 0; i < region_count; ++i) {
        Region region;
        region.code = region_code(random);
        region.center = {random.between(-50.0, 72.0), random.between(-180.0, 180.0)};
        region.radius = random.between(1.5, 6.0);
        world.regions.push_back(std::move(region));
    }
    world.airports_by_region.resize(region_count);
    world.waypoints_by_region.resize(region_count);
    return world;
}

} // namespace quill::bench
