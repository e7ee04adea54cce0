#pragma once

namespace quill {

// The angle between two points on a sphere, in radians, by the haversine
// formula; coordinates in degrees.
double central_angle(double latitude1, double longitude1, double latitude2, double longitude2);

} // namespace quill
