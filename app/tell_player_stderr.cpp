#include "desktop.h"

#include "app_identity.h"

#include <cstdio>

namespace app {

// Linux's terminal or launcher log, and a browser's page, show what the game writes here
void tellPlayer(const QString& why) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(runtime::kApplicationTitle), qPrintable(why));
    std::fflush(stderr);
}

} // namespace app
