// Playing with the keyboard alone: the menu's access keys, Tab through the controls in their
// stored order, arrows between the options, Space to back a racer, Return to close a box.
#include "app_identity.h"
#include "box_closer.h"
#include "form2_probe.h"

#include <QMenu>
#include <QTest>

using testing::BoxCloser;
using testing::Form2Probe;

class TestForm2Keyboard : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void altRThenGRunsARace();
    void altRThenQQuits();
    void tabWalksTheStoredTabOrder();
    void arrowsMoveBetweenOptionsAndSpaceBacks();

private:
    // Opens the Race menu with Alt+R and picks an entry by its access key.
    void chooseFromRaceMenu(Qt::Key accessKey);
    std::unique_ptr<window::Form2> form_;
};

void TestForm2Keyboard::init() {
    form_ = std::make_unique<window::Form2>();
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
}

void TestForm2Keyboard::cleanup() {
    form_.reset();
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void TestForm2Keyboard::chooseFromRaceMenu(Qt::Key accessKey) {
    QTest::keyClick(form_.get(), Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->menuAction(), Form2Probe(*form_).raceMenu());
    QTest::keyClick(menu, accessKey);
}

void TestForm2Keyboard::altRThenGRunsARace() {
    BoxCloser closer; // presses Return on each box
    chooseFromRaceMenu(Qt::Key_G);
    QTRY_VERIFY(!closer.seen.isEmpty());
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(closer.seen.first().title, runtime::kApplicationTitle);
    QCOMPARE(Form2Probe(*form_).image(3)->left(), 5200.0f);
}

void TestForm2Keyboard::altRThenQQuits() {
    chooseFromRaceMenu(Qt::Key_Q);
    QTRY_VERIFY(!form_->isVisible());
}

// The options are one group and so, as on every desktop, one tab stop: the backed racer's, or
// the first in the stored tab order while none is backed.
void TestForm2Keyboard::tabWalksTheStoredTabOrder() {
    Form2Probe probe(*form_);
    const auto tabStops = [&] {
        QList<int> stops;
        for (int racer = 1; racer <= race::kRacerCount; ++racer)
            if (probe.option(racer)->focusPolicy() & Qt::TabFocus)
                stops << racer;
        return stops;
    };
    QCOMPARE(QApplication::focusWidget(), probe.option(1)); // the first that can take it
    QCOMPARE(tabStops(), QList<int>{1});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), probe.option(1)); // nothing else takes focus

    QTest::mouseClick(probe.option(3), Qt::LeftButton);
    QCOMPARE(tabStops(), QList<int>{3});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), probe.option(3));
    // labels and pictures never take the focus
    for (const QWidget* control :
         {static_cast<QWidget*>(probe.prompt()), static_cast<QWidget*>(probe.cheer(1)),
          static_cast<QWidget*>(probe.image(1))})
        QCOMPARE(control->focusPolicy(), Qt::NoFocus);
}

void TestForm2Keyboard::arrowsMoveBetweenOptionsAndSpaceBacks() {
    Form2Probe probe(*form_);
    probe.option(1)->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), probe.option(2));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(probe.option(2)->value());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QCOMPARE(QApplication::focusWidget(), probe.option(3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(probe.option(3)->value());
    QVERIFY(!probe.option(2)->value()); // still one group
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
    QCOMPARE(QApplication::focusWidget(), probe.option(2));
}

QTEST_MAIN(TestForm2Keyboard)
#include "tst_form2_keyboard.moc"
