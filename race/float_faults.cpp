#include "float_faults.h"

#include <cfenv>
#if defined(__x86_64__)
#include <xmmintrin.h>
#endif

namespace race {
namespace {

constexpr int kFaultFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

int raisedFlags() {
#if defined(__x86_64__)
    // float and double arithmetic runs on SSE here, so its status register holds every flag the
    // race can raise; reading it alone costs a fraction of fetestexcept, which also asks the x87
    static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08);
    return static_cast<int>(_mm_getcsr()) & kFaultFlags;
#else
    return std::fetestexcept(kFaultFlags);
#endif
}

} // namespace

void clearFloatFaults() {
    std::feclearexcept(kFaultFlags);
}

std::optional<FloatFault> raisedFloatFault() {
    const int raised = raisedFlags();
    if (raised == 0)
        return std::nullopt;
    // one step can raise more than one: a division by zero is told first, then an overflow
    if (raised & FE_DIVBYZERO)
        return FloatFault::DivisionByZero;
    if (raised & FE_OVERFLOW)
        return FloatFault::Overflow;
    return FloatFault::Invalid;
}

} // namespace race
