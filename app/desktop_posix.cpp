#include "desktop.h"

#include "app_identity.h"

#include <cstdio>
#include <cstdlib>

namespace app {

bool hasDisplay() {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(variable); value && *value)
            return true;
    return false;
}

void tellPlayer(const QString& why) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(runtime::kApplicationTitle), qPrintable(why));
    std::fflush(stderr);
}

void settleIn() {} // a desktop has the game as it is

} // namespace app
