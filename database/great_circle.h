#pragma once

namespace quill {

// The haversine of the central angle between two points on a sphere
// (coordinates in degrees): from 0 for one point to 1 for antipodes. It grows
// with the great-circle distance, so distances compare without the inverse.
double arc_haversine(double latitude1, double longitude1, double latitude2, double longitude2);

} // namespace quill
