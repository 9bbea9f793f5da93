#include "int_conversion.h"

#include "runtime_error.h"

#include <cmath>
#include <limits>

namespace runtime {

std::int16_t toInt16(double value) {
    const double floored = std::floor(value);
    constexpr double lowest = std::numeric_limits<std::int16_t>::min();
    constexpr double highest = std::numeric_limits<std::int16_t>::max();
    if (!(floored >= lowest && floored <= highest)) // NaN fails both tests
        raise(ErrorCode::Overflow);
    return static_cast<std::int16_t>(floored);
}

} // namespace runtime
