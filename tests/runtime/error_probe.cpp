// Raises a runtime error (or, given "stray", a plain C++ exception) inside an event procedure;
// prints each box it is shown and closes it. Anything printed after the error means the program
// went on when it should have ended.
#include "box_closer.h"
#include "runtime_error.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <stdexcept>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::BoxCloser closer([&closer] {
        const testing::SeenBox& box = closer.seen.last();
        std::printf("box [%s] %s\n", qPrintable(box.title),
                    qPrintable(QString(box.text).replace(QLatin1Char('\n'), QLatin1Char('|'))));
        std::fflush(stdout);
    });
    // "stray": a plain C++ exception, not one of the runtime's errors
    const bool stray = argc > 1 && std::strcmp(argv[1], "stray") == 0;
    QTimer::singleShot(0, [stray] {
        runtime::runProcedure(nullptr, [stray] {
            if (stray)
                throw std::out_of_range("a racer that is not there");
            runtime::raise(runtime::ErrorCode::Overflow);
        });
        std::printf("the procedure went on after the error\n");
    });
    const int status = app.exec();
    std::printf("the event loop went on after the error\n");
    return status;
}
