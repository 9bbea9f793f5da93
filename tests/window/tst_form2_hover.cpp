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

const char* const kOptions[] = {"optDor", "optMar", "optRuf", "optBzl"};
const char* const kCheers[] = {"Label2", "Label3", "Label4", "Label5"};

// Which captions are drawn red and which cheers are drawn, racer by racer, read from the
// window's pixels: "R+" red and cheering.
QString lights(const Form2Probe& probe) {
    const QImage grabbed = testing::grabWindow(*probe.client());
    QString state;
    for (int i = 0; i < 4; ++i) {
        const auto* option = probe.option(kOptions[i]);
        const bool red = drawnIn(grabbed, *option, testing::captionRoom(*option)).redPixels() > 0;
        const QLabel* cheer = probe.label(kCheers[i]);
        const bool cheering =
            drawnIn(grabbed, *cheer, testing::uncoveredRoom(*cheer)).contrast >= 4.5;
        state += QLatin1String(red ? "R" : "-");
        state += QLatin1String(cheering ? "+" : ".");
        state += QLatin1Char(' ');
    }
    return state.trimmed();
}

const QPoint kBareWindow(60, 300);    // left of the pictures, under the top row
const QPoint kAlsoBare(250, 200);     // another bare point, so a move there is a real move
const QPoint kUnderDorvit(240, 25);   // inside Label2's rectangle but not on optDor
const QPoint kBetweenOptions(260, 5); // the gap between optDor and optMar

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
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    probe_->moveTo(kAlsoBare);
}

void TestForm2Hover::cleanup() {
    probe_.reset();
    form_.reset();
}

void TestForm2Hover::overAnOptionItTurnsRedAndCheers() {
    probe_->moveOnto(*probe_->option("optMar"));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
    probe_->moveTo(probe_->option("optMar")->geometry().topLeft() + QPoint(3, 3));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -.")); // further moves keep it so
}

void TestForm2Hover::overTheBareWindowAllReset() {
    probe_->moveOnto(*probe_->option("optDor"));
    probe_->moveOnto(*probe_->option("optBzl"));
    QCOMPARE(lights(*probe_), QStringLiteral("R+ -. -. R+"));
    probe_->moveTo(kBareWindow);
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::bareGapsAreTheWindow() {
    probe_->moveOnto(*probe_->option("optRuf"));
    probe_->moveTo(kBetweenOptions);
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::stayingLitOverPicturesLabelsAndOtherOptions_data() {
    QTest::addColumn<QString>("next");
    QTest::addColumn<QString>("expected");
    QTest::newRow("picture") << "imgDorvit"
                             << "-. R+ -. -.";
    QTest::newRow("another picture") << "imgBazzle"
                                     << "-. R+ -. -.";
    QTest::newRow("prompt") << "Label1"
                            << "-. R+ -. -.";
    QTest::newRow("its own cheer") << "Label3"
                                   << "-. R+ -. -.";
    QTest::newRow("another option") << "optRuf"
                                    << "-. R+ R+ -.";
}

void TestForm2Hover::stayingLitOverPicturesLabelsAndOtherOptions() {
    QFETCH(QString, next);
    probe_->moveOnto(*probe_->option("optMar"));
    probe_->moveOnto(*probe_->find(qPrintable(next)));
    QTEST(lights(*probe_), "expected");
    probe_->moveTo(kBareWindow); // until the pointer next crosses the bare window
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
}

void TestForm2Hover::hiddenCheerCoversNothingButAShownOneDoes() {
    probe_->moveOnto(*probe_->option("optMar"));
    probe_->moveTo(kUnderDorvit); // Label2 is hidden there: the window gets the move
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));

    probe_->moveOnto(*probe_->option("optDor"));
    probe_->moveTo(kUnderDorvit + QPoint(1, 0)); // now Label2 shows there and takes the move
    QCOMPARE(lights(*probe_), QStringLiteral("R+ -. -. -."));
}

void TestForm2Hover::shownCheerLiesUnderItsButton() {
    auto* marnox = probe_->option("optMar");
    probe_->moveOnto(*marnox);
    QVERIFY(probe_->label("Label3")->isVisible());
    // the button's bottom row overlaps its cheer's top row; the button stays on top
    const QPoint bottomRow(marnox->geometry().center().x(), marnox->geometry().bottom());
    QVERIFY(probe_->label("Label3")->geometry().contains(bottomRow));
    QCOMPARE(probe_->client()->childAt(bottomRow), marnox);
}

void TestForm2Hover::dragsFromPicturesAndLabelsChangeNothing_data() {
    QTest::addColumn<QString>("pressed");
    QTest::newRow("picture") << "imgDorvit";
    QTest::newRow("prompt") << "Label1";
    QTest::newRow("shown cheer") << "Label3";
}

void TestForm2Hover::dragsFromPicturesAndLabelsChangeNothing() {
    QFETCH(QString, pressed);
    probe_->moveOnto(*probe_->option("optMar"));
    const QWidget* start = probe_->find(qPrintable(pressed));
    const QPoint from = probe_->client()->mapTo(form_.get(), start->geometry().center());
    QTest::mousePress(form_->windowHandle(), Qt::LeftButton, {}, from);
    // with the button held the pressed control gets every move, over the bare window too
    QTest::mouseMove(form_->windowHandle(), from + QPoint(4, 2));
    QTest::mouseMove(form_->windowHandle(), probe_->client()->mapTo(form_.get(), kBareWindow));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
    QTest::mouseRelease(form_->windowHandle(), Qt::LeftButton, {},
                        probe_->client()->mapTo(form_.get(), kBareWindow));
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
}

void TestForm2Hover::menuBarIsNotTheWindowsSurface() {
    probe_->moveOnto(*probe_->option("optMar"));
    const QWidget* bar = form_->menuBar();
    QTest::mouseMove(form_->windowHandle(), bar->geometry().center());
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ -. -."));
}

void TestForm2Hover::hoverNeverSelectsAndSelectionIsDrawnNormally() {
    auto* marnox = probe_->option("optMar");
    probe_->moveOnto(*marnox);
    probe_->moveOnto(*probe_->option("optRuf"));
    for (const char* name : kOptions)
        QVERIFY(!probe_->option(name)->value());

    QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                      marnox->mapTo(form_.get(), QPoint(5, 8)));
    QVERIFY(marnox->value());
    QCOMPARE(lights(*probe_), QStringLiteral("-. R+ R+ -."));
    probe_->moveTo(kBareWindow);
    QCOMPARE(lights(*probe_), QStringLiteral("-. -. -. -."));
    QVERIFY(marnox->value()); // still backed, drawn in the normal colour
}

QTEST_MAIN(TestForm2Hover)
#include "tst_form2_hover.moc"
