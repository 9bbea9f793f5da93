#pragma once

#include <cmath>

namespace runtime {

// Every stored position and size is in twips: 1/1440 inch, 15 to a device-independent pixel.
inline constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace runtime
