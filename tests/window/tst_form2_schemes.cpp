// The window on the player's colour scheme, measured in grabbed pixels: every text reads against
// what is drawn behind it, the hover red stays red, and a scheme changed while the game runs is
// followed. The scheme comes from the environment the suite runs in (ZOOMKIN_TEST_SCHEME names
// it); "high-contrast" is a palette the suite sets itself.
#include "box_closer.h"
#include "caption_room.h"
#include "drawn_colours.h"
#include "form2_probe.h"
#include "message_box.h"
#include "roster.h"

#include <QApplication>
#include <QMenuBar>
#include <QStyleHints>
#include <QTest>

using testing::Drawn;
using testing::drawnIn;
using testing::Form2Probe;
using testing::grabWindow;

namespace {

constexpr double kText = 4.5;     // what body text needs to be read comfortably
constexpr double kHoverRed = 3.0; // the red caption is large, bold in colour, and brief

QString scheme() {
    const QString named = qEnvironmentVariable("ZOOMKIN_TEST_SCHEME");
    return named.isEmpty() ? QStringLiteral("light") : named;
}

// White text on black with a yellow selection, as a player who needs strong contrast sets it.
QPalette highContrast() {
    QPalette palette(Qt::white, Qt::black);
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, Qt::black);
    for (const auto role :
         {QPalette::Text, QPalette::WindowText, QPalette::ButtonText, QPalette::BrightText})
        palette.setColor(role, Qt::white);
    palette.setColor(QPalette::Highlight, Qt::yellow);
    palette.setColor(QPalette::HighlightedText, Qt::black);
    return palette;
}

// Linux desktops hand a running program a new palette; Windows hands it a new setting (dark or
// light apps), which Qt turns into its own palettes, one for the menu bar among them: there a
// palette pushed by the suite would leave the menu bar in the old scheme's colours.
bool desktopPushesPalettes() {
    return QGuiApplication::platformName() != QLatin1String("windows");
}

// The colours that tell each scheme apart, so a scheme that failed to load cannot pass as one.
QColor expectedBase() {
    const QString name = scheme();
    if (name == QLatin1String("breeze-dark"))
        return QColor(0x1b, 0x1e, 0x20);
    if (name == QLatin1String("windows-dark")) // Qt 6.4's palette for it
        return QColor(0x2d, 0x2d, 0x2d);
    if (name == QLatin1String("qt6ct-darker"))
        return QColor(0x3d, 0x3d, 0x3d);
    if (name == QLatin1String("high-contrast"))
        return Qt::black;
    return Qt::white;
}

const char* name(std::string_view view) {
    return view.data(); // the roster's names are literals, so they end in a NUL
}

QString describe(const char* what, const Drawn& drawn) {
    return QStringLiteral("%1: %2 on %3, %4:1")
        .arg(QLatin1String(what), drawn.text.name(), drawn.background.name())
        .arg(drawn.contrast, 0, 'f', 2);
}

} // namespace

class TestForm2Schemes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void schemeIsInEffect();
    void everyTextReads_data();
    void everyTextReads();
    void messageBoxReads();
    void lightDesktopLooksAsStored();
    void followsASchemeChangedWhileRunning();

private:
    void verifyReads(const QString& scene);

    std::unique_ptr<window::Form2> form_;
    std::unique_ptr<Form2Probe> probe_;
    QPalette desktop_;
};

void TestForm2Schemes::initTestCase() {
    if (scheme() == QLatin1String("high-contrast"))
        QApplication::setPalette(highContrast());
    desktop_ = QApplication::palette();
}

void TestForm2Schemes::init() {
    form_ = std::make_unique<window::Form2>();
    probe_ = std::make_unique<Form2Probe>(*form_);
    QVERIFY(testing::shown(*form_));
}

void TestForm2Schemes::cleanup() {
    probe_.reset();
    form_.reset();
    QApplication::setPalette(desktop_);
}

void TestForm2Schemes::schemeIsInEffect() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.8 keeps Windows 10's native style light under the dark setting, and says it is dark
    if (scheme() == QLatin1String("windows-dark")) {
        QCOMPARE(QGuiApplication::styleHints()->colorScheme(), Qt::ColorScheme::Dark);
        return;
    }
#endif
    QCOMPARE(QApplication::palette().color(QPalette::Base), expectedBase());
}

void TestForm2Schemes::everyTextReads_data() {
    QTest::addColumn<int>("racer");
    for (int racer = 1; racer <= race::kRacerCount; ++racer)
        QTest::newRow(name(race::racer(racer).name)) << racer;
}

// Backed and hovered, racer by racer: the prompt, every caption, the shown cheer and the menu.
void TestForm2Schemes::everyTextReads() {
    QFETCH(int, racer);
    auto* option = probe_->option(racer);
    QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {},
                      option->mapTo(form_.get(), option->rect().center()));
    probe_->moveOnto(*option);
    QVERIFY(option->value());
    verifyReads(option->text());
}

void TestForm2Schemes::verifyReads(const QString& scene) {
    const QImage grabbed = grabWindow(*form_);
    const auto reads = [&](const char* what, const Drawn& drawn, double needed) {
        qInfo("%s - %s", qPrintable(scene), qPrintable(describe(what, drawn))); // for the record
        QVERIFY2(drawn.contrast >= needed,
                 qPrintable(scene + QLatin1String(" - ") + describe(what, drawn)));
    };
    QLabel* prompt = probe_->prompt();
    reads("prompt", drawnIn(grabbed, *prompt), kText);
    for (int racer = 1; racer <= race::kRacerCount; ++racer) {
        const auto* option = probe_->option(racer);
        const Drawn caption = drawnIn(grabbed, *option, testing::captionRoom(*option));
        if (option->foreColor() == runtime::kRed) {
            // the game's own red, drawn at full strength in the letters' stems (the colour that
            // stands out most may be a focus frame's)
            QVERIFY2(caption.counts.value(QColor(Qt::red).rgb()) > 0,
                     qPrintable(option->text() + QLatin1String(" is drawn without its red")));
            reads(qPrintable(option->text()),
                  {caption.background,
                   Qt::red,
                   runtime::contrastRatio(Qt::red, caption.background),
                   {},
                   {}},
                  kHoverRed);
        } else {
            QCOMPARE(caption.redPixels(), 0);
            reads(qPrintable(option->text()), caption, kText);
        }
        QLabel* cheer = probe_->cheer(racer);
        if (cheer->isVisible())
            reads(qPrintable(cheer->text()),
                  drawnIn(grabbed, *cheer, testing::uncoveredRoom(*cheer)), kText);
    }
    reads("menu bar", drawnIn(grabbed, *form_->menuBar()), kText);
}

void TestForm2Schemes::messageBoxReads() {
    Drawn text{{}, {}, 0, {}, {}};  // reads as nothing until the box is measured
    testing::BoxCloser closer([&] { // it calls this only while a message box is open
        auto* box = QApplication::activeModalWidget();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
            text = drawnIn(grabWindow(*box), *label);
    });
    runtime::showMessageBox(form_.get(), QString::fromUtf8(race::kYouWon.data()));
    QCOMPARE(closer.texts(), QStringList{QString::fromUtf8(race::kYouWon.data())});
    qInfo("%s", qPrintable(describe("message box", text)));
    QVERIFY2(text.contrast >= kText, qPrintable(describe("message box", text)));
}

// On a light desktop the window is as stored: white everywhere, black writing (in grey edges
// only: no coloured pixel, and only black ink reaches 20:1 on white).
void TestForm2Schemes::lightDesktopLooksAsStored() {
    if (scheme() != QLatin1String("light"))
        QSKIP("the stored colours are those of the light default");
    probe_->moveOnto(*probe_->option(1));
    const QImage grabbed = grabWindow(*form_);
    const auto looks = [&](QWidget& control, QRect rect) {
        const Drawn drawn = drawnIn(grabbed, control, rect);
        QCOMPARE(drawn.background, QColor(Qt::white));
        QVERIFY2(drawn.contrast >= 20,
                 qPrintable(describe(qPrintable(control.objectName()), drawn)));
        QCOMPARE(drawn.colouredPixels(), 0);
    };
    looks(*probe_->prompt(), probe_->prompt()->rect());
    for (int racer = 2; racer <= race::kRacerCount; ++racer) { // Dorvit is red
        auto* option = probe_->option(racer);
        looks(*option, testing::captionRoom(*option));
    }
    QLabel* cheer = probe_->cheer(1);
    looks(*cheer, testing::uncoveredRoom(*cheer));
    QCOMPARE(drawnIn(grabbed, *probe_->client(), QRect(probe_->bareSpot(), QSize(1, 1))).background,
             QColor(Qt::white));
    auto* option = probe_->option(1);
    QCOMPARE(drawnIn(grabbed, *option, testing::captionRoom(*option)).background,
             QColor(Qt::white));
}

// A scheme switched while the game runs: the window takes the new one at once, the hovered
// caption stays red and its cheer stays shown.
void TestForm2Schemes::followsASchemeChangedWhileRunning() {
    if (!desktopPushesPalettes())
        QSKIP("this desktop changes schemes through its own setting, not a palette");
    probe_->moveOnto(*probe_->option(2));
    const auto paper = [&] {
        const QRect bare(probe_->bareSpot(), QSize(1, 1));
        return drawnIn(grabWindow(*form_), *probe_->client(), bare).background;
    };
    const QColor before = paper();

    // to the high-contrast palette, or from it to Qt's light default
    const bool fromHighContrast = scheme() == QLatin1String("high-contrast");
    QApplication::setPalette(fromHighContrast ? QApplication::style()->standardPalette()
                                              : highContrast());
    QTRY_VERIFY(paper() != before);
    QCOMPARE(paper(), QApplication::palette().color(QPalette::HighlightedText));
    QCOMPARE(probe_->option(2)->foreColor(), runtime::kRed);
    QVERIFY(probe_->cheer(2)->isVisible());
    verifyReads(QStringLiteral("after the change"));

    QApplication::setPalette(desktop_);
    QTRY_COMPARE(paper(), before);
    verifyReads(QStringLiteral("after changing back"));
}

QTEST_MAIN(TestForm2Schemes)
#include "tst_form2_schemes.moc"
