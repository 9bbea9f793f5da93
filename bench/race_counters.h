#pragma once
// What the race benchmarks report beside the time of a race, from the counts kept by the tests'
// counting race services (the runtime's real generator, and a message box that only counts).

#include "roster.h"
#include "scripted_race.h"

#include <benchmark/benchmark.h>

namespace bench {

// The turns run since `drawsBefore`, counted from the steps drawn.
inline long turnsSince(const testing::CountingServices& services, long drawsBefore) {
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
