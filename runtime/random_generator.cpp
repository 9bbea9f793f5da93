#include "random_generator.h"

#include <bit>
#include <chrono>

namespace runtime {
namespace {
constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
} // namespace

void RandomGenerator::randomize() {
    static std::uint64_t sequence = 0; // races run on the window's one thread
    const auto nanoseconds = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    seed(nanoseconds, sequence++);
}

void RandomGenerator::seed(std::uint64_t state, std::uint64_t stream) {
    state_ = 0;
    increment_ = (stream << 1) | 1;
    nextBits();
    state_ += state;
    nextBits();
}

std::uint32_t RandomGenerator::nextBits() {
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + increment_;
    const auto shuffled = static_cast<std::uint32_t>(((old >> 18) ^ old) >> 27);
    return std::rotr(shuffled, static_cast<int>(old >> 59));
}

} // namespace runtime
