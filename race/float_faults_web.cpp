#include "float_faults.h"

namespace race {

// WebAssembly's arithmetic keeps no record of faults: an invalid operation, a division by zero or
// an overflow gives NaN or an infinity, with no flag to read. A step that went that way still
// stops the race: the conversion to 16 bits refuses it as an overflow.
void clearFloatFaults() {}

std::optional<FloatFault> raisedFloatFault() {
    return std::nullopt;
}

} // namespace race
