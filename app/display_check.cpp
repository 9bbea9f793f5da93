#include "display_check.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace app {
namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

QtMessageHandler previousHandler = nullptr;

// Qt reports a display it cannot open with a fatal message, which aborts and dumps core.
void failOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "ZoomkinRace!: cannot open the game's window on display '%s'\n",
                     display ? display : "");
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitStatus);
    }
    // Qt's warnings on the way to that failure would bury the one line that matters
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    previousHandler(type, context, message);
}

} // namespace

bool hasDisplay() {
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(failOnFatal);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(previousHandler);
}

} // namespace app
