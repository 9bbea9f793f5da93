// The menu commands on the real window: Go runs a race on the pictures and announces it in real
// message boxes; Quit and the window's frame end the program.
#include "box_closer.h"
#include "form2_probe.h"
#include "scripted_race.h"

#include <QTest>
#include <QTimer>

using testing::BoxCloser;
using testing::Form2Probe;

namespace {

const char* const kImages[] = {"imgDorvit", "imgMarnox", "imgRufta", "imgBazzle"};
const char* const kOptions[] = {"optDor", "optMar", "optRuf", "optBzl"};

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
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2Probe probe(form);
    QTest::mouseClick(probe.option("optBzl"), Qt::LeftButton);
    // Marnox needs 6120 / 51 and Bazzle 6240 / 52 turns: both land on 0 on turn 120
    form.setRaceServices(std::make_unique<testing::ScriptedStepsOnRealBoxes>(
        &form, std::vector<int>{10, 51, 10, 52}));
    QList<float> leftsShown;
    QList<int> pixelsShown;
    BoxCloser closer([&] {
        for (const char* image : kImages) {
            leftsShown << probe.image(image)->left();
            pixelsShown << probe.image(image)->x();
        }
    });

    probe.menu("mnuGo")->trigger();

    QCOMPARE(closer.texts(),
             (QStringList{"Marnox won the Zoomkin Race!", "You won the Zoomkin Race!"}));
    for (const testing::SeenBox& box : closer.seen)
        QCOMPARE(box.title, QStringLiteral("ZoomkinRace!"));
    // the boxes show with the racers where the race left them
    QCOMPARE(leftsShown.mid(0, 4), (QList<float>{4920, 0, 4920, 0}));
    QCOMPARE(pixelsShown.mid(0, 4), (QList<int>{328, 0, 328, 0}));
    for (const char* image : kImages)
        QCOMPARE(probe.image(image)->left(), 5200.0f);
    QCOMPARE(probe.image("imgDorvit")->x(), 347); // 5200 twips, rounded to pixels

    // Go again: from 5200 Bazzle finishes on turn 100 and Marnox is still 100 twips out
    closer.seen.clear();
    probe.menu("mnuGo")->trigger();
    QCOMPARE(closer.texts(), QStringList{"You won the Zoomkin Race!"});
}

void TestForm2Commands::randomRacesAnnounceWhatThePicturesShow() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2Probe probe(form);
    for (int race = 0; race < 12; ++race) {
        const char* backed = kOptions[race % 4];
        QTest::mouseClick(probe.option(backed), Qt::LeftButton);
        QStringList expected;
        BoxCloser closer([&] {
            if (expected.isEmpty())
                expected = probe.expectedBoxes();
        });
        probe.menu("mnuGo")->trigger();
        QVERIFY(!closer.seen.isEmpty());
        QCOMPARE(closer.texts(), expected);
        for (const char* image : kImages)
            QCOMPARE(probe.image(image)->left(), 5200.0f);
    }
}

void TestForm2Commands::pickAndHoverSurviveARace() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2Probe probe(form);
    QTest::mouseClick(probe.option("optRuf"), Qt::LeftButton);
    probe.moveOnto(*probe.option("optDor"));
    BoxCloser closer;
    probe.menu("mnuGo")->trigger();
    QVERIFY(probe.option("optRuf")->value());
    QCOMPARE(probe.option("optDor")->foreColor(), runtime::kRed);
    QVERIFY(probe.label("Label2")->isVisible());
}

void TestForm2Commands::quitEndsTheProgram() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTimer::singleShot(0, &form, [&] { Form2Probe(form).menu("mnuQit")->trigger(); });
    QCOMPARE(QApplication::exec(), 0); // returns: the window was the last one
    QVERIFY(!form.isVisible());
}

void TestForm2Commands::closingTheFrameEndsTheProgram() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
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
