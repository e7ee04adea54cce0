// Compares great-circle distances between fixes cheaply, as the airway loader chooses among
// fixes of one name.
#pragma once

namespace quill {

// A point on a sphere (coordinates in degrees) with the cosine of its
// latitude, which a point measured against many others computes once.
struct ArcPoint {
    double latitude;
    double longitude;
    double latitude_cosine;
};

ArcPoint arc_point(double latitude, double longitude);

// The haversine of the central angle between two points: from 0 for one
// point to 1 for antipodes. It grows with the great-circle distance, so
// distances compare without the inverse.
double arc_haversine(const ArcPoint& from, const ArcPoint& to);

} // namespace quill
