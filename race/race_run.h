#pragma once

#include "race_services.h"

namespace race {

inline constexpr float kFinishLine = 0.0f;
inline constexpr float kStartLine = 5200.0f; // where every racer waits after a race
inline constexpr int kShortestStep = 10;
inline constexpr int kStepChoices = 50; // steps are 10 to 59 twips

// Runs one whole race on the track: reseed, turns until a racer finishes, announcements, and
// every racer back to the start line. Returns the number of turns run.
int runRace(Track& track, RaceServices& services);

} // namespace race
