#pragma once

#include <chrono>
#include <vector>

namespace quill::bench {

// Wall-clock seconds taken by one call.
template <typename Work>
double seconds_for(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

// The middle value (the mean of the two middle ones for an even count).
double median(std::vector<double> values);

// Peak resident memory of this process so far, in megabytes.
double peak_memory_mb();

} // namespace quill::bench
