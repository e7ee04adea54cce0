// How airport names, frequencies and runway midpoints are worked out.
#include "convert/airport_values.h"

#include "convert/text.h"

#include <cmath>

namespace quill {

void finish_airport_name(std::string& joined, std::string_view marker, std::string& name) {
    if (!marker.empty()) {
        // Searching on from the removal point never joins a new marker from the pieces.
        for (std::size_t at = joined.find(marker); at != std::string::npos; at = joined.find(marker, at))
            joined.erase(at, marker.size());
    }
    name.clear();
    append_upper(name, trim(joined));
}

bool frequency_text(std::string_view digits, std::string& out) {
    if (digits.size() != 5 && digits.size() != 6) return false;
    out.assign(digits.substr(0, 3));
    out.push_back('.');
    out.append(digits.substr(3));
    return true;
}

double midpoint(double end1, double end2) { return end2 + (end1 - end2) / 2; }

double midpoint_longitude(double end1, double end2) {
    const double mean = midpoint(end1, end2);
    if (std::fabs(end1 - end2) <= 180) return mean;
    return mean <= 0 ? mean + 180 : mean - 180;
}

} // namespace quill
