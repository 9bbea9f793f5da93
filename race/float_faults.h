#pragma once

#include "race_services.h"

#include <optional>

namespace race {

// The arithmetic's own record of floating-point faults, which differs from machine to machine:
// cleared before a race, read after each step of it. One function each, chosen when the game is
// built: float_faults.cpp where <cfenv> flags faults, float_faults_web.cpp in a browser.
void clearFloatFaults();
std::optional<FloatFault> raisedFloatFault();

} // namespace race
