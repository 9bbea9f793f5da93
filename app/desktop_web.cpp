#include "desktop.h"

#include "fonts.h"
#include "program_end.h"

#include <QApplication>

namespace app {

bool hasDisplay() {
    return true; // the page always has somewhere to draw
}

void settleIn() {
    // a browser has no desktop font: the menu bar and the boxes are drawn in the game's face too
    QApplication::setFont(runtime::makeFont(u"MS Sans Serif", 8, QFont::Normal));
    // Quit, or the window closed
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [] { runtime::endProgram(0); });
}

} // namespace app
