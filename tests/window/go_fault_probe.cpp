// Chooses Go on the real window with a generator whose first value makes a step far beyond 16
// bits. Prints each box it is shown, with where the racers stand, and closes it. Anything
// printed after the error means the program went on when it should have ended.
#include "box_closer.h"
#include "form2_probe.h"
#include "scripted_race.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    window::Form2 form;
    form.show();
    testing::Form2Probe probe(form);
    form.setRaceServices(std::make_unique<testing::ScriptedServices>(std::vector<float>{1e30f}));
    testing::BoxCloser closer([&] {
        const testing::SeenBox& box = closer.seen.last();
        std::printf("box [%s] %s; Dorvit at %g\n", qPrintable(box.title),
                    qPrintable(QString(box.text).replace(QLatin1Char('\n'), QLatin1Char('|'))),
                    static_cast<double>(probe.image(1)->left()));
        std::fflush(stdout);
    });
    QTimer::singleShot(0, [&] {
        probe.go()->trigger();
        std::printf("Go went on after the error\n");
    });
    const int status = app.exec();
    std::printf("the event loop went on after the error\n");
    return status;
}
