// How every pair of candidate rows is measured, without allocating for the usual few.
#include "geometry/segment_ends.h"

#include "geometry/great_circle.h"

#include <array>
#include <limits>
#include <vector>

namespace quill {

namespace {
// A name has few rows: their points fit here without allocating.
constexpr std::size_t kFewRows = 16;
} // namespace

EndChoice closest_ends(std::span<const FixPosition> first, std::span<const FixPosition> second) {
    EndChoice best{0, 0};
    if (first.size() == 1 && second.size() == 1) return best;
    std::array<ArcPoint, kFewRows> few;
    std::vector<ArcPoint> many(second.size() > kFewRows ? second.size() : 0);
    const std::span<ArcPoint> ends = many.empty() ? std::span(few).first(second.size()) : std::span(many);
    for (std::size_t j = 0; j < second.size(); ++j) ends[j] = arc_point(second[j].latitude, second[j].longitude);
    double shortest = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < first.size(); ++i) {
        const ArcPoint start = arc_point(first[i].latitude, first[i].longitude);
        for (std::size_t j = 0; j < ends.size(); ++j) {
            const double distance = arc_haversine(start, ends[j]);
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
