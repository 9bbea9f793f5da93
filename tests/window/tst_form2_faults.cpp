// The window under stress: its frame asked to close in the middle of a race's boxes, and Go
// chosen over and over.
#include "address_sanitized.h"
#include "box_closer.h"
#include "form2_probe.h"
#include "heap_in_use.h"
#include "scripted_race.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPixmapCache>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <array>
#include <cstdlib>

using testing::BoxCloser;
using testing::Form2Probe;

class TestForm2Faults : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void frameCloseWaitsForTheRacesBoxes();
    void goOverAndOverLeavesNothingBehind();
};

void TestForm2Faults::frameCloseWaitsForTheRacesBoxes() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    // steps of 20 from 20 twips out: all but Rufta finish on the first turn, three boxes
    for (int racer : {1, 2, 4})
        probe.image(racer)->setLeft(20);
    QTest::mouseClick(probe.option(2), Qt::LeftButton);
    form.setRaceServices(
        std::make_unique<testing::ScriptedStepsOnRealBoxes>(&form, std::vector<int>{20}));

    bool closedDuringBoxes = false;
    BoxCloser closer([&] {
        // the close button of the frame, as the window system delivers it
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            form.windowHandle());
        closedDuringBoxes = closedDuringBoxes || !form.isVisible();
    });
    probe.go()->trigger();

    QVERIFY(!closedDuringBoxes);
    QCOMPARE(closer.texts(),
             (QStringList{testing::text(race::racer(1).winMessage), testing::text(race::kYouWon),
                          testing::text(race::racer(4).winMessage)}));
    QCOMPARE(probe.image(3)->left(), 5200.0f);
    QVERIFY(form.isVisible());

    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
        form.windowHandle());
    QVERIFY(!form.isVisible()); // with no box open it closes as usual
}

// Bytes the heap in use grew by over `count` rounds, leaving out Qt's cache of drawn pixmaps:
// it is bounded by its limit, and on Wayland Qt 6.11 caches the OK button's icon afresh for
// every box. A round that fails (a QVERIFY in it returns from the round only) ends the count.
template <typename Round> long long heapGrowth(int count, const Round& round) {
    const auto inUse = [] {
        QPixmapCache::clear();
        return testing::heapInUse().bytes;
    };
    const long long before = inUse();
    for (int i = 0; i < count && !QTest::currentTestFailed(); ++i)
        round();
    return inUse() - before;
}

void TestForm2Faults::goOverAndOverLeavesNothingBehind() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    QTest::mouseClick(probe.option(4), Qt::LeftButton);
    BoxCloser closer;
    const auto race = [&] {
        closer.seen.clear();
        probe.go()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closer.seen.isEmpty());
        for (int racer = 1; racer <= race::kRacerCount; ++racer)
            QCOMPARE(probe.image(racer)->left(), 5200.0f);
    };
#ifdef ZOOMKIN_ADDRESS_SANITIZED
    // A sanitizer owns the heap, which cannot be measured here; LeakSanitizer finds what even a
    // few races leave behind.
    heapGrowth(5, race);
    if (!QTest::currentTestFailed())
        QSKIP("the heap cannot be measured under a sanitizer; LeakSanitizer checks it at exit");
    return;
#endif
    const QString unreadable = testing::heapInUse().unreadable;
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable));
    // The whole heap is counted, blocks mapped on their own included: a block larger than any
    // allocator keeps in its arenas (never touched, so it costs no memory) must show in full.
    const long long beforeBlock = testing::heapInUse().bytes;
    char* volatile block = static_cast<char*>(std::malloc(48 << 20));
    const long long blockGrowth = testing::heapInUse().bytes - beforeBlock;
    std::free(block);
    QVERIFY2(blockGrowth >= 48 << 20, qPrintable(QStringLiteral("a 48 MiB block grew the heap in "
                                                                "use by %1 bytes only")
                                                     .arg(blockGrowth)));
    // Enough races that a string kept per box (106 to 166 KB beyond Qt over 600 races, in 8 runs
    // each on Debian 12 and 13, offscreen and on weston) stands about as far above the limit as
    // the game's own figure (at most 16 KB beyond Qt, whose own lies anywhere from 0 to 26 KB)
    // stands below it.
    constexpr int kRaces = 600;
    // The same from Qt alone: a bare window whose four pictures have moved when each box opens
    // over it, as the racers have when one is announced. What Qt keeps per box is Qt's, not the
    // game's.
    QMainWindow bare;
    bare.resize(form.size());
    std::array<QWidget*, race::kRacerCount> pictures{};
    for (int racer = 0; racer < race::kRacerCount; ++racer) {
        pictures[racer] = new QWidget(&bare);
        pictures[racer]->setAutoFillBackground(true);
        pictures[racer]->resize(probe.image(racer + 1)->size());
    }
    QVERIFY(testing::shown(bare));
    int boxes = 0;
    const auto bareBox = [&] {
        closer.seen.clear();
        ++boxes;
        for (int racer = 0; racer < race::kRacerCount; ++racer)
            pictures[racer]->move(boxes * 37 * (racer + 1) % 400, racer * 100);
        QMessageBox box(QMessageBox::NoIcon, form.windowTitle(),
                        testing::text(race::racer(1).winMessage), QMessageBox::Ok, &bare);
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    heapGrowth(50, race); // let caches and pools settle first
    heapGrowth(50, bareBox);
    long long raceBoxes = 0;
    const long long game = heapGrowth(kRaces, [&] {
        race();
        raceBoxes += closer.seen.size();
    });
    const long long qt = heapGrowth(static_cast<int>(raceBoxes), bareBox);
    if (QTest::currentTestFailed())
        return;
    qInfo("heap growth over %d races: %lld bytes; over their %lld boxes from Qt alone: %lld bytes",
          kRaces, game, raceBoxes, qt);
    QVERIFY2(game - qt < 64 * 1024,
             qPrintable(QStringLiteral("the game's races grew the heap by %1 bytes beyond Qt's %2")
                            .arg(game - qt)
                            .arg(qt)));
}

QTEST_MAIN(TestForm2Faults)
#include "tst_form2_faults.moc"
