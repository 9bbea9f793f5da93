#include "roster.h"

#include <stdexcept>
#include <string>

namespace race {

const Racer& racer(int position) {
    if (position < 1 || position > kRacerCount)
        throw std::out_of_range("no racer at roster position " + std::to_string(position));
    return kRoster[static_cast<std::size_t>(position - 1)];
}

} // namespace race
