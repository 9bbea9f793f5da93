// Raises a runtime error inside an event procedure; prints each box it is shown and closes it.
// Anything printed after the error means the program went on when it should have ended.
#include "box_closer.h"
#include "runtime_error.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    testing::BoxCloser closer([&closer] {
        const testing::SeenBox& box = closer.seen.last();
        std::printf("box [%s] %s\n", qPrintable(box.title),
                    qPrintable(QString(box.text).replace(QLatin1Char('\n'), QLatin1Char('|'))));
        std::fflush(stdout);
    });
    QTimer::singleShot(0, [] {
        runtime::runProcedure(nullptr, [] { runtime::raise(runtime::ErrorCode::Overflow); });
        std::printf("the procedure went on after the error\n");
    });
    const int status = app.exec();
    std::printf("the event loop went on after the error\n");
    return status;
}
