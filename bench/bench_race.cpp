// One whole race from the start line on the race core: the real generator, a message box that
// only records.
#include "int_conversion.h"
#include "race_run.h"
#include "random_generator.h"
#include "roster.h"
#include "runtime_error.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

class ArrayTrack : public race::Track {
public:
    float position(int racer) const override { return positions[index(racer)]; }
    void setPosition(int racer, float twips) override { positions[index(racer)] = twips; }
    bool isBacked(int racer) const override { return racer == 2; }
    std::array<float, race::kRacerCount> positions{5200, 5200, 5200, 5200};

private:
    static std::size_t index(int racer) { return static_cast<std::size_t>(racer - 1); }
};

class RecordingServices : public race::RaceServices {
public:
    void randomize() override { generator.randomize(); }
    float nextRandom() override { return generator.next(); }
    std::int16_t toInt16(double value) override { return runtime::toInt16(value); }
    void announce(std::string_view text) override {
        ++boxes;
        benchmark::DoNotOptimize(text.data());
    }
    [[noreturn]] void floatingPointFault(int flags) override {
        runtime::raiseFloatingPointError(flags);
    }
    runtime::RandomGenerator generator;
    long boxes = 0;
};

void BM_RaceFromStartLine(benchmark::State& state) {
    ArrayTrack track;
    RecordingServices services;
    long turns = 0;
    for (auto _ : state)
        turns += race::runRace(track, services);
    state.counters["turns/race"] =
        benchmark::Counter(static_cast<double>(turns), benchmark::Counter::kAvgIterations);
    state.counters["boxes/race"] =
        benchmark::Counter(static_cast<double>(services.boxes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RaceFromStartLine);

// The clock reseed alone, paid once at the start of every race.
void BM_Reseed(benchmark::State& state) {
    runtime::RandomGenerator generator;
    for (auto _ : state) {
        generator.randomize();
        benchmark::DoNotOptimize(generator.next());
    }
}
BENCHMARK(BM_Reseed);

} // namespace

BENCHMARK_MAIN();
