#include "race_run.h"

#include "float_faults.h"
#include "roster.h"

#include <array>

namespace race {
namespace {

void checkFloatingPoint(RaceServices& services) {
    if (const auto fault = raisedFloatFault())
        services.floatingPointFault(*fault);
}

bool hasFinished(float position) {
    return !(position > kFinishLine);
}

struct Standing {
    bool finished;
    bool backed;
};

Standing standing(const Track& track, int racer) {
    const bool finished = hasFinished(track.position(racer));
    return {finished, track.isBacked(racer)};
}

bool allRunning(const Track& track) {
    // every racer is read on every test, with no short cut
    bool running = true;
    for (int r = 1; r <= kRacerCount; ++r)
        running = !hasFinished(track.position(r)) && running;
    return running;
}

bool allFinished(const Track& track) {
    bool finished = true;
    for (int r = 1; r <= kRacerCount; ++r)
        finished = hasFinished(track.position(r)) && finished;
    return finished;
}

std::int16_t drawStep(RaceServices& services) {
    // volatile keeps the arithmetic ahead of the flag test
    const volatile double scaled =
        static_cast<double>(services.nextRandom()) * kStepChoices + kShortestStep;
    checkFloatingPoint(services);
    return services.toInt16(scaled);
}

int runTurns(Track& track, RaceServices& services) {
    // only faults of this race count, not flags left behind by whatever ran before it
    clearFloatFaults();
    int turns = 0;
    for (; allRunning(track); ++turns) {
        std::array<std::int16_t, kRacerCount> steps{}; // all four are drawn before any moves
        for (auto& step : steps)
            step = drawStep(services);
        for (int r = 1; r <= kRacerCount; ++r) {
            const volatile float moved =
                track.position(r) - static_cast<float>(steps[static_cast<std::size_t>(r - 1)]);
            checkFloatingPoint(services);
            track.setPosition(r, moved);
        }
    }
    return turns;
}

void announce(Track& track, RaceServices& services) {
    if (allFinished(track)) {
        services.announce(kTie);
        return;
    }
    // two separate tests per racer, each reading the racer's position and pick afresh
    for (int r = 1; r <= kRacerCount; ++r) {
        if (const Standing now = standing(track, r); now.finished && now.backed)
            services.announce(kYouWon);
        if (const Standing now = standing(track, r); now.finished && !now.backed)
            services.announce(racer(r).winMessage);
    }
}

} // namespace

int runRace(Track& track, RaceServices& services) {
    services.randomize();
    const int turns = runTurns(track, services);
    announce(track, services);
    for (int r = 1; r <= kRacerCount; ++r)
        track.setPosition(r, kStartLine);
    return turns;
}

} // namespace race
