#include "display_check.h"

#include "desktop.h"
#include "program_end.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstdlib>
#include <utility>

namespace app {
namespace {

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
QList<HeldMessage> heldMessages;

bool isPlatformCategory(const QString& category) {
    return category.startsWith(QLatin1String("qt.qpa"));
}

// The first line of the platform's own words on why, for the one line the player sees.
QString cause(const QString& fatal) {
    QString why = fatal;
    for (const HeldMessage& held : heldMessages)
        if (isPlatformCategory(held.category)) {
            why = held.text;
            break;
        }
    return why.section(QLatin1Char('\n'), 0, 0).trimmed();
}

// Qt reports a display it cannot open with a fatal message, which aborts and dumps core. What Qt
// says on the way there (the platform's warnings, or that it switched a non-UTF-8 locale to
// UTF-8) is held back until it is clear whether it failed: if it did, only the one line is said.
void failOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        tellPlayer(display && *display
                       ? QStringLiteral("cannot open the game's window on display '%1': %2")
                             .arg(QString::fromLocal8Bit(display), cause(message))
                       : QStringLiteral("cannot open the game's window: %1").arg(cause(message)));
        runtime::endProgram(kNoDisplayExitStatus);
    }
    heldMessages.append(
        {type, QLatin1String(context.category ? context.category : "default"), message});
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() {
    previousHandler = qInstallMessageHandler(failOnFatal);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(previousHandler);
    // the window opened after all: what Qt said is worth seeing as usual
    for (const HeldMessage& held : std::exchange(heldMessages, {})) {
        const QByteArray category = held.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        previousHandler(held.type, context, held.text);
    }
}

} // namespace app
