// Writes the generated earth_awy.dat: airways through the fixes and navaids the earlier files
// placed.
#include "cycle/cycle_files.h"
#include "cycle/output_file.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quill::bench {

namespace {

constexpr long kSegments = 100000;

constexpr std::array<std::string_view, 7> kLowPrefixes{"V", "T", "A", "B", "G", "R", "W"};
constexpr std::array<std::string_view, 10> kHighPrefixes{"J", "Q", "UL", "UM", "UN", "UA", "Y", "L", "M", "N"};

template <std::size_t N>
std::string airway_name(Random& random, const std::array<std::string_view, N>& prefixes) {
    return std::string(prefixes[random.next() % N]) + std::to_string(random.between(1, 999));
}

// Picks regions in proportion to their waypoints, so busy regions get more airways.
class RegionPicker {
public:
    explicit RegionPicker(const World& world) {
        long long total = 0;
        for (const auto& waypoints : world.waypoints_by_region) {
            if (waypoints.size() >= 2) total += static_cast<long long>(waypoints.size());
            running_.push_back(total);
        }
    }
    bool empty() const { return running_.empty() || running_.back() == 0; }
    int pick(Random& random) const {
        const long long roll = static_cast<long long>(random.next() % static_cast<std::uint64_t>(running_.back()));
        return static_cast<int>(std::upper_bound(running_.begin(), running_.end(), roll) - running_.begin());
    }

private:
    std::vector<long long> running_;
};

struct Airway {
    std::string names;
    bool high = false;
    std::string_view direction;
};

Airway make_airway(Random& random) {
    Airway airway;
    airway.high = random.chance(0.45);
    airway.names = airway.high ? airway_name(random, kHighPrefixes) : airway_name(random, kLowPrefixes);
    // Where airways share a segment, the file joins their names.
    if (random.chance(0.12))
        airway.names += "-" + (airway.high ? airway_name(random, kHighPrefixes) : airway_name(random, kLowPrefixes));
    static constexpr std::array<std::string_view, 3> kDirections{"N", "F", "B"};
    static constexpr double kDirectionWeights[] = {0.7, 0.2, 0.1};
    airway.direction = kDirections[random.weighted(kDirectionWeights)];
    return airway;
}

} // namespace

// "ADLEN QX 11 ALD QX 3 N 1 30 180 V12"
FileSummary write_airway_file(const std::string& folder, World& world, Random random, int scale) {
    // Airways run roughly west to east through neighbouring points.
    for (auto& waypoints : world.waypoints_by_region)
        std::sort(waypoints.begin(), waypoints.end(),
                  [](const Waypoint& a, const Waypoint& b) { return a.longitude < b.longitude; });
    const RegionPicker regions(world);
    OutputFile out(folder + "earth_awy.dat");
    write_file_header(out, "1100", "AwyXP1100");
    long long segments = 0;
    long long airways = 0;
    while (!regions.empty() && segments < kSegments * scale) {
        const int region = regions.pick(random);
        const auto& points = world.waypoints_by_region[region];
        const std::string& code = world.code(region);
        const Airway airway = make_airway(random);
        ++airways;
        const int base = airway.high ? 180 : random.between(1, 7) * 10;
        const int top = airway.high ? (random.chance(0.8) ? 450 : 600) : 180;
        std::size_t from = random.next() % (points.size() - 1);
        for (long legs = 1 + static_cast<long>(random.exponential(14)); legs > 0 && segments < kSegments * scale;
             --legs) {
            const std::size_t to = from + static_cast<std::size_t>(random.between(1, 4));
            if (to >= points.size()) break;
            const Waypoint& a = points[from];
            const Waypoint& b = points[to];
            out.text(a.name).blanks(1).text(code).blanks(1).number(a.type_code).blanks(1);
            out.text(b.name).blanks(1).text(code).blanks(1).number(b.type_code).blanks(1);
            out.text(airway.direction).text(airway.high ? " 2 " : " 1 ").number(base).blanks(1).number(top);
            out.blanks(1).text(airway.names).end_line();
            ++segments;
            from = to;
        }
    }
    write_file_end(out);
    return {"earth_awy.dat", out.lines(), out.bytes(), {{"segments", segments}, {"airways", airways}}};
}

} // namespace quill::bench
