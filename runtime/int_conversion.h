#pragma once

#include <cstdint>

namespace runtime {

// The largest integer not above value; outside -32768..32767 (or NaN) raises Overflow.
std::int16_t toInt16(double value);

} // namespace runtime
