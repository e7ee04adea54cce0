// How the benchmarks time a call, on the wall and CPU clocks, and sum up their runs.
#pragma once

#include <chrono>
#include <ctime>
#include <vector>

namespace quill::bench {

// Seconds taken by one call: on the wall clock, and on this process's CPU
// clock (user and system time), which other programs on a busy machine
// disturb far less.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

double cpu_now();

template <typename Work>
Timing time_of(Work&& work) {
    const double cpu_start = cpu_now();
    const auto wall_start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wall_start;
    return {wall.count(), cpu_now() - cpu_start};
}

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> values);

// Peak resident memory of this process so far, in megabytes.
double peak_memory_mb();

} // namespace quill::bench
