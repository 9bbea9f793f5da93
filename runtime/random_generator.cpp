#include "random_generator.h"

#include <atomic>
#include <chrono>

namespace runtime {

void RandomGenerator::randomize() {
    static std::atomic<std::uint64_t> sequence{0};
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    engine_.seed(nanoseconds, sequence++);
}

} // namespace runtime
