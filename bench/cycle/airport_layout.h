// Fills the generated apt.dat with the bulk of a real one: the rows of an airport that carry no
// data for the products.
#pragma once

#include "cycle/output_file.h"
#include "cycle/random.h"
#include "cycle/world.h"

#include <string_view>

namespace quill::bench {

// The rows of an airport that the converter passes over: pavements, painted
// lines, signs, lights, start locations, the taxi routing network and the
// traffic flow rules. Writes about `budget` lines around the centre.
void write_airport_layout(OutputFile& out, Random& random, Position center, std::string_view ident,
                          long budget);

// The few passed-over rows that even a small field has: windsock, beacon, a
// parking spot.
void write_small_field_extras(OutputFile& out, Random& random, Position center);

// Writes "lat lon" of a point near the centre, as apt.dat aligns them.
void write_near(OutputFile& out, Random& random, Position center, double spread = 0.015);

} // namespace quill::bench
