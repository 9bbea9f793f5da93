// Leaks on purpose, so that the suppressions are seen to work on stacks as the game makes them:
//   (no argument)  a block of ours, from a menu command's slot that a message box's event loop
//                  runs inside the application's, as Go runs the race's boxes: LeakSanitizer must
//                  report it, whatever Qt functions its stack passes through
//   fontconfig     fontconfig's configuration, loaded and dropped: the leak that a suppression
//                  names fontconfig's function for, made inside a library built without frame
//                  pointers; it must be suppressed, so the file is in force and the stacks name
//                  the functions in it
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstring>
#include <fontconfig/fontconfig.h>

namespace {

// A size that nothing else leaks, so the report is known to be this block's.
constexpr std::size_t kOurBlock = 4093;

char* volatile lastBlock = nullptr; // kept from the optimiser, then forgotten

[[gnu::noinline]] void leakFromTheEventLoop() {
    lastBlock = new char[kOurBlock];
    lastBlock = nullptr;
}

[[gnu::noinline]] void dropFontconfigsConfiguration() {
    FcConfig* volatile config = FcInitLoadConfigAndFonts();
    (void)config;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "fontconfig") == 0) {
        dropFontconfigsConfiguration();
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
