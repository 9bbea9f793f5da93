#include "random_generator.h"

#include <chrono>

namespace runtime {

void RandomGenerator::randomize() {
    static std::uint64_t sequence = 0; // races run on the window's one thread
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    engine_.seed(nanoseconds, sequence++);
}

} // namespace runtime
