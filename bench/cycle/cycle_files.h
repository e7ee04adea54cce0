// The cycle generator's entry points: the whole cycle, or one file of it, with a summary of what
// each file holds.
#pragma once

#include "cycle/random.h"
#include "cycle/world.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quill::bench {

// What one generated file holds, for the generator's closing summary.
struct FileSummary {
    std::string name;
    long long lines = 0;
    long long bytes = 0;
    std::vector<std::pair<std::string, long long>> counts;
};

// Each writes one file of the cycle into the folder (which ends with a
// separator), at scale times the size of a real world cycle. They run in
// this order: each hands on what later files refer to through the world.
FileSummary write_airport_file(const std::string& folder, World& world, Random random, int scale);
FileSummary write_navaid_file(const std::string& folder, World& world, Random random, int scale);
FileSummary write_fix_file(const std::string& folder, World& world, Random random, int scale);
FileSummary write_airway_file(const std::string& folder, World& world, Random random, int scale);

inline constexpr std::uint64_t kDefaultSeed = 2606;

// The whole cycle: the four files, in that order, from a world made for the
// scale. The same seed always gives the same files.
std::vector<FileSummary> write_cycle(const std::string& folder, int scale,
                                     std::uint64_t seed = kDefaultSeed);

} // namespace quill::bench
