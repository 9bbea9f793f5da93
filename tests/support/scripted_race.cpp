#include "scripted_race.h"

#include "int_conversion.h"

namespace testing {

// The real conversion, so a scripted value out of range raises the real Overflow error.
std::int16_t ScriptedServices::toInt16(double value) {
    return runtime::toInt16(value);
}

} // namespace testing
