// What the four generated files share: regions, airports, runway ends and airway points.
#pragma once

#include "cycle/random.h"

#include <string>
#include <vector>

namespace quill::bench {

struct Position {
    double latitude = 0;
    double longitude = 0;
};

// An ICAO-style area with its own code; every place of the cycle lies in one.
struct Region {
    std::string code;
    Position center;
    double radius = 0;
};

// A runway end of an airport with instrument approaches: ILS and RNAV
// navaids are placed on these.
struct RunwayEnd {
    std::string airport;
    int region = 0;
    std::string number;
    Position threshold;
    Position far_end;
    double bearing = 0;
    int elevation = 0;
};

// A point an airway may pass: a fix (type code 11), an NDB (2) or a VOR (3).
struct Waypoint {
    std::string name;
    int type_code = 11;
    double longitude = 0;
};

// What the four files must agree on: the regions, and what the airport,
// navaid and fix files hand on to the files written after them.
struct World {
    std::vector<Region> regions;
    std::vector<std::vector<std::string>> airports_by_region;
    std::vector<RunwayEnd> instrument_ends;
    std::vector<std::vector<Waypoint>> waypoints_by_region;

    int any_region(Random& random) const;
    Position position_in(Random& random, int region) const;
    const std::string& code(int region) const { return regions[region].code; }
    void add_waypoint(int region, Waypoint waypoint);
};

World make_world(Random& random, int region_count);

// Longitude folded into (-180, 180].
double wrap_longitude(double longitude);
// The point at the given distance (metres) and true bearing (degrees) from a point.
Position offset(Position from, double bearing, double metres);

} // namespace quill::bench
