#include "random_generator.h"

#include <atomic>
#include <chrono>

namespace runtime {
namespace {

std::uint32_t clockSeed() {
    static std::atomic<std::uint32_t> sequence{0};
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    // seed_seq spreads the three words over the seed, so nearby clock values differ fully
    std::seed_seq mix{static_cast<std::uint32_t>(nanoseconds),
                      static_cast<std::uint32_t>(nanoseconds >> 32), sequence++};
    std::uint32_t seed = 0;
    mix.generate(&seed, &seed + 1);
    return seed;
}

} // namespace

void RandomGenerator::randomize() {
    engine_.seed(clockSeed());
}

} // namespace runtime
