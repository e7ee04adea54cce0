// The random numbers behind a generated cycle, the same on every machine for the same seed.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

namespace quill::bench {

// A small deterministic generator (SplitMix64): the same seed gives the same
// cycle on every platform and compiler, which std::*_distribution does not promise.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // A fresh stream for one part of the cycle, so that changing one part
    // leaves the others as they were.
    Random fork(std::uint64_t salt) { return Random(next() ^ (salt * 0xD1B54A32D192ED03ull)); }

    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double between(double low, double high) { return low + (high - low) * unit(); }
    // Uniform whole number in [low, high].
    int between(int low, int high) {
        return low + static_cast<int>(next() % static_cast<std::uint64_t>(high - low + 1));
    }
    bool chance(double probability) { return unit() < probability; }
    // Exponentially distributed with the given mean.
    double exponential(double mean) { return -mean * std::log(1.0 - unit()); }

    template <typename T>
    const T& pick(const std::vector<T>& items) {
        return items[next() % items.size()];
    }
    // An index drawn by the weights.
    template <std::size_t N>
    std::size_t weighted(const double (&weights)[N]) {
        double total = 0;
        for (double w : weights) total += w;
        double roll = unit() * total;
        for (std::size_t i = 0; i < N; ++i) {
            if (roll < weights[i]) return i;
            roll -= weights[i];
        }
        return N - 1;
    }

private:
    std::uint64_t state_;
};

} // namespace quill::bench
