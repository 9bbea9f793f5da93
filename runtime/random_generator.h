#pragma once

#include <cstdint>
#include <random>

namespace runtime {

// The game's random numbers: a Mersenne Twister reseeded from the clock at every race.
class RandomGenerator {
public:
    // Seeds from a nanosecond clock mixed with a per-process sequence number, so two reseeds in
    // the same clock tick still start different sequences.
    void randomize();
    void seed(std::uint32_t value) { engine_.seed(value); }

    // 0 <= r < 1 in single precision: 24 random bits, every value exact in a float.
    float next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    std::mt19937 engine_;
};

} // namespace runtime
