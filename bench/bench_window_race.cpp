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
//                                 The window is 9585 twips wide: a picture moved while it is
//                                 still beyond the right edge costs less than one moved in view,
//                                 so the window's time per turn falls with the distance and a
//                                 line through the origin fits it loosely (a large RMS); what
//                                 matters is that time/turn never grows.
//
// Figures only; nothing here passes or fails.
#include "counting_services.h"
#include "form2.h"
#include "image_control.h"
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
    bench::CountingServices* services = nullptr; // owned by the form
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

Window& theWindow() {
    application();
    static Window* w = [] {
        auto* built = new Window;
        auto services = std::make_unique<bench::CountingServices>();
        built->services = services.get();
        built->form.setRaceServices(std::move(services));
        built->go = built->form.findChild<QAction*>(QStringLiteral("mnuGo"));
        const std::array<const char*, race::kRacerCount> names{"imgDorvit", "imgMarnox", "imgRufta",
                                                               "imgBazzle"};
        for (std::size_t i = 0; i < names.size(); ++i)
            built->pictures[i] =
                built->form.findChild<window::ImageControl*>(QLatin1String(names[i]));
        if (!built->go || std::find(built->pictures.begin(), built->pictures.end(), nullptr) !=
                              built->pictures.end()) {
            std::fprintf(stderr, "bench_window_race: the window has no mnuGo action or pictures\n");
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

void BM_CoreRace(benchmark::State& state) {
    bench::TableTrack track;
    track.putAll(race::kStartLine);
    bench::CountingServices services;
    long turns = 0;
    for (auto _ : state)
        turns += race::runRace(track, services); // every race ends with all back on the line
    bench::reportPerRace(state, turns, services.announcements);
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
    bench::TableTrack track;
    bench::CountingServices services;
    long turns = 0;
    for (auto _ : state) {
        track.putAll(distance); // four stores: not worth pausing the clock for
        turns += race::runRace(track, services);
    }
    bench::reportPerRace(state, turns, services.announcements);
    state.SetComplexityN(state.range(0));
}

// ---- the window ---------------------------------------------------------------------------

// Go as the player chooses it; with `withPaint` the frame painted after the race is timed too.
void windowGo(benchmark::State& state, bool withPaint) {
    Window& w = theWindow();
    putPictures(w, race::kStartLine);
    settle();
    const long announced = w.services->announcements;
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
                         w.services->announcements - announced);
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
    const long announced = w.services->announcements;
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
                         w.services->announcements - announced);
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
