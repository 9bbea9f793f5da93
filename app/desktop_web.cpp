#include "desktop.h"

#include "app_identity.h"
#include "fonts.h"
#include "program_end.h"

#include <QApplication>

#include <cstdio>

namespace app {

bool hasDisplay() {
    return true; // the page always has somewhere to draw
}

void tellPlayer(const QString& why) {
    // the page shows the game's last words on standard error when it could not start
    std::fprintf(stderr, "%s: %s\n", qPrintable(runtime::kApplicationTitle), qPrintable(why));
    std::fflush(stderr);
}

void settleIn() {
    // a browser has no desktop font: the menu bar and the boxes are drawn in the game's face too
    QApplication::setFont(runtime::makeFont(u"MS Sans Serif", 8, QFont::Normal));
    // Quit, or the window closed
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { runtime::endProgram(0); });
}

} // namespace app
