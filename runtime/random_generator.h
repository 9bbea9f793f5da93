#pragma once

#include <cstdint>

namespace runtime {

// The game's random numbers: PCG32 (a 64-bit linear congruential state, its output permuted by an
// xorshift and a random rotation), reseeded from the clock at every race. Written out here, a
// dozen lines: PCG's own header pulls in <iostream>, whose standard streams every program that
// includes it sets up at start-up, and the game never prints a number.
class RandomGenerator {
public:
    // Seeds from a nanosecond clock and picks the stream by a per-process sequence number, so
    // two reseeds in the same clock tick still draw different sequences.
    void randomize();
    // The same sequences as PCG's reference pcg32 seeded with (state, stream).
    void seed(std::uint64_t state, std::uint64_t stream);

    // 0 <= r < 1 in single precision: 24 random bits, every value exact in a float.
    float next() { return static_cast<float>(nextBits() >> 8) * 0x1p-24f; }
    std::uint32_t nextBits();

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
    std::uint64_t increment_ = 0xda3e39cb94b95bdbULL; // odd, as every stream's is
};

} // namespace runtime
