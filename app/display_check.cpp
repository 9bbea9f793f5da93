#include "display_check.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace app {
namespace {

bool isSet(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldPlatformMessages;

// The first line of Qt's own words on why, for the one line the player sees.
QString cause(const QString& fatal) {
    const QString& first =
        heldPlatformMessages.isEmpty() ? fatal : heldPlatformMessages.first().text;
    return first.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// Qt reports a display it cannot open with a fatal message, which aborts and dumps core; the
// platform's warnings on the way there are held back until it is clear whether it failed.
void failOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "ZoomkinRace!: cannot open the game's window on display '%s': %s\n",
                     display ? display : "", qPrintable(cause(message)));
        std::fflush(stderr);
        std::_Exit(kNoDisplayExitStatus);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0) {
        heldPlatformMessages.append({type, QLatin1String(context.category), message});
        return;
    }
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
    // the window opened after all: the platform's warnings are worth seeing as usual
    for (const HeldMessage& held : std::exchange(heldPlatformMessages, {})) {
        const QByteArray category = held.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        previousHandler(held.type, context, held.text);
    }
}

} // namespace app
