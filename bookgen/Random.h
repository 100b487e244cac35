#pragma once

#include <cstdint>

namespace bookgen {

// A small random generator (SplitMix64) whose sequence is fixed by its
// seed on every machine and library, so a generated book has the same
// bytes on every run. (The standard distributions are not specified to the
// bit, so they are not used.)
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    // A seed for an independent stream, derived from a seed and a number
    // (a scan, a row): the same pair always gives the same stream.
    static std::uint64_t mix(std::uint64_t seed, std::uint64_t number) {
        Random mixer(seed ^ (number * 0x9E3779B97F4A7C15ULL));
        mixer.next();
        return mixer.next();
    }

    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // An integer in [low, high], both included (high >= low).
    int between(int low, int high) {
        const auto span = static_cast<std::uint64_t>(high - low) + 1;
        return low + static_cast<int>(next() % span);
    }

    // A number in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }

    // True with the given probability.
    bool chance(double probability) { return unit() < probability; }

private:
    std::uint64_t state_;
};

}  // namespace bookgen
