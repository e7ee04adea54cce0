// Writes the four files of a generated cycle from one seed, each file from its own stream.
#include "cycle/cycle_files.h"

namespace quill::bench {

namespace {
constexpr int kRegionsPerScale = 300;
} // namespace

std::vector<FileSummary> write_cycle(const std::string& folder, int scale, std::uint64_t seed) {
    Random random(seed);
    World world = make_world(random, kRegionsPerScale * scale);
    // Each file draws from its own stream: later files refer to what earlier ones wrote.
    return {write_airport_file(folder, world, random.fork(1), scale),
            write_navaid_file(folder, world, random.fork(2), scale),
            write_fix_file(folder, world, random.fork(3), scale),
            write_airway_file(folder, world, random.fork(4), scale)};
}

} // namespace quill::bench
