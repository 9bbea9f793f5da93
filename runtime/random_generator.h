#pragma once

// PCG's header includes <iostream> for its stream operators. Up to GCC 12 every file that
// includes <iostream> sets up the standard streams and their locales when the program starts,
// which paged a quarter of a megabyte of the C++ library into every start-up. The game never
// prints an engine, and <istream> and <ostream> are all the header needs.
#include <istream>
#include <ostream>
#ifndef _GLIBCXX_IOSTREAM
#define _GLIBCXX_IOSTREAM 1
#include <pcg_random.hpp>
#undef _GLIBCXX_IOSTREAM
#else
#include <pcg_random.hpp>
#endif

#include <cstdint>

namespace runtime {

// The game's random numbers: a PCG32 generator reseeded from the clock at every race.
class RandomGenerator {
public:
    // Seeds from a nanosecond clock and picks the stream by a per-process sequence number, so
    // two reseeds in the same clock tick still draw different sequences.
    void randomize();
    void seed(std::uint64_t state, std::uint64_t stream) { engine_.seed(state, stream); }

    // 0 <= r < 1 in single precision: 24 random bits, every value exact in a float.
    float next() { return static_cast<float>(engine_() >> 8) * 0x1p-24f; }

private:
    pcg32 engine_;
};

} // namespace runtime
