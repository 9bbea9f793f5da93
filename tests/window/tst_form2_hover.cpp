// Hover feedback with real pointer moves: Qt picks the widget under the pointer and decides where
// the move goes, as it does for a player.
#include "caption_room.h"
#include "drawn_colours.h"
#include "form2_probe.h"

#include <QMenuBar>
#include <QTest>

using testing::drawnIn;
using testing::Form2Probe;

namespace {

// Which captions are drawn red and which cheers are drawn, racer by racer, read from the
// window's pixels: "R+" red and cheering. A cheer counts as drawn when its text reads (4.5:1), so
// one drawn too faint to read shows here as missing.
QString lights(const Form2Probe& probe) {
    const QImage grabbed = testing::grabWindow(*probe.client());
    QString state;
    for (int racer = 1; racer <= race::kRacerCount; ++racer) {
        const auto* option = probe.option(racer);
        const bool red = drawnIn(grabbed, *option, testing::captionRoom(*option)).redPixels() > 0;
        const QLabel* cheer = probe.cheer(racer);
        const bool cheering =
            drawnIn(grabbed, *cheer, testing::uncoveredRoom(*cheer)).contrast >= 4.5;
        state += QLatin1String(red ? "R" : "-");
        state += QLatin1String(cheering ? "+" : ".");
        state += QLatin1Char(' ');
    }
    return state.trimmed();
}

QByteArray name(std::string_view stored) {
    return QByteArray(stored.data(), static_cast<qsizetype>(stored.size()));
}

// Inside a cheer's rectangle but right of its option button, so not on it.
QPoint besideButtonOverCheer(const Form2Probe& probe, int racer) {
    const QRect button = probe.option(racer)->geometry();
    const QRect cheer = probe.cheer(racer)->geometry();
    return {(button.right() + cheer.right()) / 2, cheer.center().y()};
}

// The gap between two neighbouring option buttons, above the cheers.
QPoint betweenButtons(const Form2Probe& probe, int left) {
    const QRect a = probe.option(left)->geometry();
    const QRect b = probe.option(left + 1)->geometry();
    return {(a.right() + b.left()) / 2, a.top() + 4};
}

} // namespace

class TestForm2Hover : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void overAnOptionItTurnsRedAndCheers();
    void overTheBareWindowAllReset();
    void bareGapsAreTheWindow();
    void stayingLitOverPicturesLabelsAndOtherOptions_data();
    void stayingLitOverPicturesLabelsAndOtherOptions();
    void hiddenCheerCoversNothingButAShownOneDoes();
    void shownCheerLiesUnderItsButton();
    void dragsFromPicturesAndLabelsChangeNothing_data();
    void dragsFromPicturesAndLabelsChangeNothing();
    void menuBarIsNotTheWindowsSurface();
    void hoverNeverSelectsAndSelectionIsDrawnNormally();

private:
    std::unique_ptr<window::Form2> form_;
    std::unique_ptr<Form2Probe> probe_;
};

void TestForm2Hover::init() {
    form_ = std::make_unique<window::Form2>();
    probe_ = std::make_unique<Form2Probe>(*form_);
    QVERIFY(testing::shown(*form_));
    probe_->moveTo(probe_->bareSpot(1));
}

void TestForm2Hover::cleanup() {
    probe_.reset();
    form_.reset();
}

void TestForm2Hover::overAnOptionItTurnsRedAndCheers() {
    probe_->moveOnto(*probe_->option(2));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
    probe_->moveTo(probe_->option(2)->geometry().topLeft() + QPoint(3, 3));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -.")); // further moves keep it so
}

void TestForm2Hover::overTheBareWindowAllReset() {
    probe_->moveOnto(*probe_->option(1));
    probe_->moveOnto(*probe_->option(4));
    QCOMPARE(lights(*probe_), QStringLiteral("R+ -. -. R+"));
    probe_->moveTo(probe_->bareSpot());
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::bareGapsAreTheWindow() {
    probe_->moveOnto(*probe_->option(3));
    probe_->moveTo(betweenButtons(*probe_, 1));
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::stayingLitOverPicturesLabelsAndOtherOptions_data() {
    QTest::addColumn<QByteArray>("next");
    QTest::addColumn<QString>("expected");
    QTest::newRow("picture") << name(race::racer(1).image) << "-. R+ -. -.";
    QTest::newRow("another picture") << name(race::racer(4).image) << "-. R+ -. -.";
    QTest::newRow("prompt") << name(testing::storedPrompt().name) << "-. R+ -. -.";
    QTest::newRow("its own cheer") << name(race::racer(2).cheerLabel) << "-. R+ -. -.";
    QTest::newRow("another option") << name(race::racer(3).option) << "-. R+ R+ -.";
}

void TestForm2Hover::stayingLitOverPicturesLabelsAndOtherOptions() {
    QFETCH(QByteArray, next);
    probe_->moveOnto(*probe_->option(2));
    probe_->moveOnto(*probe_->find(next.toStdString()));
    QTEST(lights(*probe_), "expected");
    probe_->moveTo(probe_->bareSpot()); // until the pointer next crosses the bare window
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::hiddenCheerCoversNothingButAShownOneDoes() {
    probe_->moveOnto(*probe_->option(2));
    const QPoint underDorvit = besideButtonOverCheer(*probe_, 1);
    probe_->moveTo(underDorvit); // Dorvit's cheer is hidden there: the window gets the move
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));

    probe_->moveOnto(*probe_->option(1));
    probe_->moveTo(underDorvit + QPoint(1, 0)); // now the cheer shows there and takes the move
    QCOMPARE(lights(*probe_), QStringLiteral("R+ -. -. -."));
}

void TestForm2Hover::shownCheerLiesUnderItsButton() {
    auto* marnox = probe_->option(2);
    probe_->moveOnto(*marnox);
    QVERIFY(probe_->cheer(2)->isVisible());
    // the button's bottom row overlaps its cheer's top row; the button stays on top
    const QPoint bottomRow(marnox->geometry().center().x(), marnox->geometry().bottom());
    QVERIFY(probe_->cheer(2)->geometry().contains(bottomRow));
    QCOMPARE(probe_->client()->childAt(bottomRow), marnox);
}

void TestForm2Hover::dragsFromPicturesAndLabelsChangeNothing_data() {
    QTest::addColumn<QByteArray>("pressed");
    QTest::newRow("picture") << name(race::racer(1).image);
    QTest::newRow("prompt") << name(testing::storedPrompt().name);
    QTest::newRow("shown cheer") << name(race::racer(2).cheerLabel);
}

void TestForm2Hover::dragsFromPicturesAndLabelsChangeNothing() {
    QFETCH(QByteArray, pressed);
    probe_->moveOnto(*probe_->option(2));
    const QWidget* start = probe_->find(pressed.toStdString());
    const QPoint from = probe_->client()->mapTo(form_.get(), start->geometry().center());
    QTest::mousePress(form_->windowHandle(), Qt::LeftButton, {}, from);
    // with the button held the pressed control gets every move, over the bare window too
    QTest::mouseMove(form_->windowHandle(), from + QPoint(4, 2));
    QTest::mouseMove(form_->windowHandle(),
                     probe_->client()->mapTo(form_.get(), probe_->bareSpot()));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
    QTest::mouseRelease(form_->windowHandle(), Qt::LeftButton, {},
                        probe_->client()->mapTo(form_.get(), probe_->bareSpot()));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
}

void TestForm2Hover::menuBarIsNotTheWindowsSurface() {
    probe_->moveOnto(*probe_->option(2));
    const QWidget* bar = form_->menuBar();
    QTest::mouseMove(form_->windowHandle(), bar->geometry().center());
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
}

void TestForm2Hover::hoverNeverSelectsAndSelectionIsDrawnNormally() {
    auto* marnox = probe_->option(2);
    probe_->moveOnto(*marnox);
    probe_->moveOnto(*probe_->option(3));
    for (int racer = 1; racer <= race::kRacerCount; ++racer)
        QVERIFY(!probe_->option(racer)->value());

    QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                      marnox->mapTo(form_.get(), QPoint(5, 8)));
    QVERIFY(marnox->value());
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ R+ -."));
    probe_->moveTo(probe_->bareSpot());
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
    QVERIFY(marnox->value()); // still backed, drawn in the normal colour
}

QTEST_MAIN(TestForm2Hover)
#include "tst_form2_hover.moc"
