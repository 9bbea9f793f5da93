#include "app_identity.h"
#include "desktop.h"
#include "display_check.h"
#include "form2.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[]) {
    if (!app::hasDisplay()) {
        app::tellPlayer(QStringLiteral("no display to open the game's window on "
                                       "(neither DISPLAY nor WAYLAND_DISPLAY is set)"));
        return app::kNoDisplayExitStatus;
    }
    auto guard = std::make_unique<app::DisplayFailureGuard>();
    QApplication application(argc, argv);
    guard.reset();
    app::settleIn();

    QApplication::setApplicationName(runtime::kApplicationTitle);
    QApplication::setApplicationVersion(runtime::kApplicationVersion);
    QGuiApplication::setDesktopFileName(runtime::kDesktopFileName);

    window::Form2 form;
    // at its own size: a browser's platform would otherwise stretch it over the whole page
    form.showNormal();
    return QApplication::exec();
}
