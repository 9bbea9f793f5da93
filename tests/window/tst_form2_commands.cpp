// The menu commands on the real window: Go runs a race on the pictures and announces it in real
// message boxes; Quit and the window's frame end the program.
#include "app_identity.h"
#include "box_closer.h"
#include "form2_probe.h"
#include "scripted_race.h"

#include <QTest>
#include <QTimer>

using testing::BoxCloser;
using testing::Form2Probe;

namespace {

QString said(std::string_view text) {
    return testing::text(text);
}

} // namespace

class TestForm2Commands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void goAnnouncesFinishersInRosterOrderThenGoesAgain();
    void randomRacesAnnounceWhatThePicturesShow();
    void pickAndHoverSurviveARace();
    void quitEndsTheProgram();
    void closingTheFrameEndsTheProgram();
    void cleanup();
};

void TestForm2Commands::goAnnouncesFinishersInRosterOrderThenGoesAgain() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    QTest::mouseClick(probe.option(4), Qt::LeftButton);
    // Marnox needs 6120 / 51 and Bazzle 6240 / 52 turns: both land on 0 on turn 120
    form.setRaceServices(std::make_unique<testing::ScriptedStepsOnRealBoxes>(
        &form, std::vector<int>{10, 51, 10, 52}));
    QList<float> leftsShown;
    QList<int> pixelsShown;
    BoxCloser closer([&] {
        for (int racer = 1; racer <= race::kRacerCount; ++racer) {
            leftsShown << probe.image(racer)->left();
            pixelsShown << probe.image(racer)->x();
        }
    });

    probe.go()->trigger();

    QCOMPARE(closer.texts(), (QStringList{said(race::racer(2).winMessage), said(race::kYouWon)}));
    for (const testing::SeenBox& box : closer.seen)
        QCOMPARE(box.title, runtime::kApplicationTitle);
    // the boxes show with the racers where the race left them
    QCOMPARE(leftsShown.mid(0, 4), (QList<float>{4920, 0, 4920, 0}));
    QCOMPARE(pixelsShown.mid(0, 4), (QList<int>{328, 0, 328, 0}));
    for (int racer = 1; racer <= race::kRacerCount; ++racer)
        QCOMPARE(probe.image(racer)->left(), 5200.0f);
    QCOMPARE(probe.image(1)->x(), 347); // 5200 twips, rounded to pixels

    // Go again: from 5200 Bazzle finishes on turn 100 and Marnox is still 100 twips out
    closer.seen.clear();
    probe.go()->trigger();
    QCOMPARE(closer.texts(), QStringList{said(race::kYouWon)});
}

void TestForm2Commands::randomRacesAnnounceWhatThePicturesShow() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    for (int race = 0; race < 12; ++race) {
        QTest::mouseClick(probe.option(1 + race % race::kRacerCount), Qt::LeftButton);
        QStringList expected;
        BoxCloser closer([&] {
            if (expected.isEmpty())
                expected = probe.expectedBoxes();
        });
        probe.go()->trigger();
        QVERIFY(!closer.seen.isEmpty());
        QCOMPARE(closer.texts(), expected);
        for (int racer = 1; racer <= race::kRacerCount; ++racer)
            QCOMPARE(probe.image(racer)->left(), 5200.0f);
    }
}

void TestForm2Commands::pickAndHoverSurviveARace() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    QTest::mouseClick(probe.option(3), Qt::LeftButton);
    probe.moveOnto(*probe.option(1));
    BoxCloser closer;
    probe.go()->trigger();
    QVERIFY(probe.option(3)->value());
    QCOMPARE(probe.option(1)->foreColor(), runtime::kRed);
    QVERIFY(probe.cheer(1)->isVisible());
}

void TestForm2Commands::quitEndsTheProgram() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    QTimer::singleShot(0, &form, [&] { Form2Probe(form).quit()->trigger(); });
    QCOMPARE(QApplication::exec(), 0); // returns: the window was the last one
    QVERIFY(!form.isVisible());
}

void TestForm2Commands::closingTheFrameEndsTheProgram() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    // the frame's close button reaches the window's own handle, not the widget
    QTimer::singleShot(0, &form, [&] { form.windowHandle()->close(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!form.isVisible());
}

void TestForm2Commands::cleanup() {
    QTRY_VERIFY(!QApplication::activeModalWidget()); // no box left open
}

QTEST_MAIN(TestForm2Commands)
#include "tst_form2_commands.moc"
