#pragma once
// What the race benchmarks run a race with: the runtime's real generator and integer conversion,
// a message box that only counts what it is asked to show, and a plain table of positions.

#include "int_conversion.h"
#include "race_services.h"
#include "random_generator.h"
#include "roster.h"
#include "runtime_error.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

namespace bench {

class CountingServices : public race::RaceServices {
public:
    void randomize() override { generator_.randomize(); }
    float nextRandom() override {
        ++draws;
        return generator_.next();
    }
    std::int16_t toInt16(double value) override { return runtime::toInt16(value); }
    void announce(std::string_view text) override {
        ++announcements;
        benchmark::DoNotOptimize(text.data());
    }
    [[noreturn]] void floatingPointFault(int exceptFlags) override {
        runtime::raiseFloatingPointError(exceptFlags);
    }

    long announcements = 0;
    long draws = 0; // a race draws one step per racer per turn

private:
    runtime::RandomGenerator generator_;
};

// The race core's track without a window: four positions, racer 2 backed.
class TableTrack : public race::Track {
public:
    float position(int racer) const override { return positions[index(racer)]; }
    void setPosition(int racer, float twips) override { positions[index(racer)] = twips; }
    bool isBacked(int racer) const override { return racer == 2; }
    void putAll(float twips) { positions.fill(twips); }

    std::array<float, race::kRacerCount> positions{};

private:
    static std::size_t index(int racer) { return static_cast<std::size_t>(racer - 1); }
};

// The turns run since `drawsBefore`, counted from the steps drawn.
inline long turnsSince(const CountingServices& services, long drawsBefore) {
    return (services.draws - drawsBefore) / race::kRacerCount;
}

// Per-race averages shown beside the time: turns, message boxes, and the time of one turn.
inline void reportPerRace(benchmark::State& state, long turns, long announcements) {
    using benchmark::Counter;
    state.counters["turns/race"] = Counter(static_cast<double>(turns), Counter::kAvgIterations);
    state.counters["boxes/race"] =
        Counter(static_cast<double>(announcements), Counter::kAvgIterations);
    // seconds of measured time per turn (shown with an SI prefix: 1.5u is 1.5 microseconds)
    state.counters["time/turn"] =
        Counter(static_cast<double>(turns), Counter::kIsRate | Counter::kInvert);
}

} // namespace bench
