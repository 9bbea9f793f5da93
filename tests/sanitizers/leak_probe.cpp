// Leaks on purpose, for the leak suppressions to be seen at work. With no argument: a block of
// ours, from a menu command run inside a message box's event loop, as Go runs; it must be reported
// whatever Qt functions its stack passes through. With "fontconfig": the configuration that
// fontconfig's entry names, made in a library without frame pointers; it must be suppressed.
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstring>
#include <fontconfig/fontconfig.h>

namespace {
char* volatile lastBlock = nullptr; // kept from the optimiser, then forgotten

[[gnu::noinline]] void leakFromTheEventLoop() {
    lastBlock = new char[4093]; // a size nothing else leaks
    lastBlock = nullptr;
}
} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "fontconfig") == 0) {
        FcConfig* volatile config = FcInitLoadConfigAndFonts();
        (void)config;
        return 0;
    }
    QApplication app(argc, argv);
    QAction command(QStringLiteral("Go"));
    QObject::connect(&command, &QAction::triggered, &leakFromTheEventLoop);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Probe"), QStringLiteral("Leaking"),
                    QMessageBox::Ok);
    QTimer::singleShot(0, &app, [&] {
        QTimer::singleShot(0, &box, [&] { // once the box's own loop runs
            command.trigger();
            box.accept();
        });
        box.exec();
        QApplication::quit();
    });
    return app.exec();
}
