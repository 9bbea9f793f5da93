// Whole races, side by side: on the race core (a table of positions) and on the real window, where
// Race > Go runs the race on the racers' pictures. The window is shown on Qt's offscreen platform
// unless QT_QPA_PLATFORM names another; its message boxes are replaced by a box that only counts,
// so a race returns as soon as it is over.
//
//   BM_CoreRace / BM_WindowGo     one race from the start line (5200 twips), as the player runs it
//   BM_Reseed                     the clock reseed alone, paid once at the start of every race
//   BM_WindowGoThenPaint          the same, plus the frame that shows the racers lined up again
//   BM_CoreRaceFrom / BM_WindowGoFrom
//                                 all four racers put at 1,000 .. 100,000 twips before each race;
//                                 the fitted complexity (BigO, RMS) shows how the cost grows.
//                                 The window is under 10,000 twips wide: a picture moved while
//                                 still beyond its right edge costs less than one moved in view,
//                                 so the window's time per turn falls with the distance and a
//                                 line through the origin fits it loosely (a large RMS); what
//                                 matters is that time/turn never grows.
//
// Figures only; nothing here passes or fails.
#include "form2.h"
#include "form_description.h"
#include "image_control.h"
#include "race_counters.h"
#include "race_run.h"
#include "random_generator.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// Start distances of the growth families, in twips.
constexpr std::array<long, 5> kDistances{1'000, 3'000, 10'000, 30'000, 100'000};

// The one window every window benchmark runs on, built and shown on first use, before any clock
// runs. It and the application are left for the end of the process to reclaim.
struct Window {
    window::Form2 form;
    testing::CountingServices* services = nullptr; // owned by the form
    QAction* go = nullptr;
    std::array<window::ImageControl*, race::kRacerCount> pictures{};
};

QtMessageHandler qtHandler = nullptr;

// The offscreen platform cannot pass a fixed-size window's hints on, and says so once.
void quietHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints")))
        return;
    qtHandler(type, context, message);
}

QApplication& application() {
    static int argc = 1;
    static char name[] = "bench_window_race";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        qtHandler = qInstallMessageHandler(quietHints);
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Lets the window paint whatever the last race left to paint.
void settle() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QString qtName(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Race > Go: the first entry of the menu bar's first drop-down, as the window stores it.
std::string_view goMenuEntry() {
    const auto& menus = window::form2Description().menus;
    const auto entry = std::find_if(menus.begin(), menus.end(),
                                    [](const window::MenuDescription& m) { return m.level == 1; });
    return entry == menus.end() ? std::string_view{} : entry->name;
}

Window& theWindow() {
    application();
    static Window* w = [] {
        auto* built = new Window;
        auto services = std::make_unique<testing::CountingServices>();
        built->services = services.get();
        built->form.setRaceServices(std::move(services));
        built->go = built->form.findChild<QAction*>(qtName(goMenuEntry()));
        for (int racer = 1; racer <= race::kRacerCount; ++racer)
            built->pictures[static_cast<std::size_t>(racer - 1)] =
                built->form.findChild<window::ImageControl*>(qtName(race::racer(racer).image));
        if (!built->go || std::find(built->pictures.begin(), built->pictures.end(), nullptr) !=
                              built->pictures.end()) {
            std::fprintf(stderr, "bench_window_race: the window has no Go action or pictures\n");
            std::exit(1);
        }
        built->form.show();
        settle();
        return built;
    }();
    return *w;
}

void putPictures(Window& w, float twips) {
    for (window::ImageControl* picture : w.pictures)
        picture->setLeft(twips);
}

// ---- the race core ------------------------------------------------------------------------

constexpr int kBacked = 2; // the core's races are run with the second racer backed

void BM_CoreRace(benchmark::State& state) {
    testing::TableTrack track({}, kBacked);
    track.positions.fill(race::kStartLine);
    testing::CountingServices services;
    long turns = 0;
    for (auto _ : state)
        turns += race::runRace(track, services); // every race ends with all back on the line
    bench::reportPerRace(state, turns, services.announced);
}
BENCHMARK(BM_CoreRace)->Unit(benchmark::kMicrosecond);

// The clock reseed alone, paid once at the start of every race.
void BM_Reseed(benchmark::State& state) {
    runtime::RandomGenerator generator;
    for (auto _ : state) {
        generator.randomize();
        benchmark::DoNotOptimize(generator.next());
    }
}
BENCHMARK(BM_Reseed);

void BM_CoreRaceFrom(benchmark::State& state) {
    const auto distance = static_cast<float>(state.range(0));
    testing::TableTrack track({}, kBacked);
    testing::CountingServices services;
    long turns = 0;
    for (auto _ : state) {
        track.positions.fill(distance); // four stores: not worth pausing the clock for
        turns += race::runRace(track, services);
    }
    bench::reportPerRace(state, turns, services.announced);
    state.SetComplexityN(state.range(0));
}

// ---- the window ---------------------------------------------------------------------------

// Go as the player chooses it; with `withPaint` the frame painted after the race is timed too.
void windowGo(benchmark::State& state, bool withPaint) {
    Window& w = theWindow();
    putPictures(w, race::kStartLine);
    settle();
    const long announced = w.services->announced;
    const long drawn = w.services->draws;
    for (auto _ : state) {
        w.go->trigger();
        if (!withPaint)
            state.PauseTiming(); // the event loop paints between races, outside Go itself
        settle();
        if (!withPaint)
            state.ResumeTiming();
    }
    bench::reportPerRace(state, bench::turnsSince(*w.services, drawn),
                         w.services->announced - announced);
}
void BM_WindowGo(benchmark::State& state) {
    windowGo(state, false);
}
void BM_WindowGoThenPaint(benchmark::State& state) {
    windowGo(state, true);
}
BENCHMARK(BM_WindowGo)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowGoThenPaint)->Unit(benchmark::kMicrosecond);

void BM_WindowGoFrom(benchmark::State& state) {
    Window& w = theWindow();
    const auto distance = static_cast<float>(state.range(0));
    const long announced = w.services->announced;
    const long drawn = w.services->draws;
    for (auto _ : state) {
        state.PauseTiming();
        putPictures(w, distance);
        settle();
        state.ResumeTiming();
        w.go->trigger();
    }
    settle();
    bench::reportPerRace(state, bench::turnsSince(*w.services, drawn),
                         w.services->announced - announced);
    state.SetComplexityN(state.range(0));
}

void distances(benchmark::internal::Benchmark* family) {
    for (long distance : kDistances)
        family->Arg(distance);
}

BENCHMARK(BM_CoreRaceFrom)
    ->Apply(distances)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WindowGoFrom)
    ->Apply(distances)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond)
    ->MinTime(0.2);

} // namespace

BENCHMARK_MAIN();
