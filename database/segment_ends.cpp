#include "database/segment_ends.h"

#include "database/great_circle.h"

#include <cmath>
#include <limits>

namespace quill {

EndChoice closest_ends(std::span<const FixPosition> first, std::span<const FixPosition> second) {
    EndChoice best{0, 0};
    if (first.size() == 1 && second.size() == 1) return best;
    double shortest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < first.size(); ++i) {
        for (std::size_t j = 0; j < second.size(); ++j) {
            const double distance =
                arc_haversine(first[i].latitude, first[i].longitude, second[j].latitude, second[j].longitude);
            // A row without numeric coordinates (NaN) is never closer.
            if (distance < shortest) {
                shortest = distance;
                best = {i, j};
            }
        }
    }
    return best;
}

} // namespace quill
