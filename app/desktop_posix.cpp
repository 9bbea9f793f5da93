#include "desktop.h"

#include <cstdlib>

namespace app {

bool hasDisplay() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(variable); value && *value)
            return true;
    return false;
}

void settleIn() {} // a desktop has the game as it is

} // namespace app
