// The runtime's random numbers, integer conversion, errors, colours and units.
#include "int_conversion.h"
#include "ole_color.h"
#include "random_generator.h"
#include "runtime_error.h"
#include "twips.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <set>

class TestRuntimeServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generatorStaysInZeroToOne();
    void seededGeneratorRepeatsItself();
    void everyReseedStartsAFreshSequence();
    void stepsAreRoughlyUniform();
    void intFloorsIntoSixteenBits_data();
    void intFloorsIntoSixteenBits();
    void intOutsideSixteenBitsOverflows_data();
    void intOutsideSixteenBitsOverflows();
    void errorReportShowsNumberAndText();
    void directColoursAreBlueGreenRed();
    void schemeColoursAreTheSurfacesPaperAndInk();
    void contrastIsMeasuredAsGuidelinesDo();
    void twipsAreFifteenToAPixel();
};

void TestRuntimeServices::generatorStaysInZeroToOne() {
    runtime::RandomGenerator generator;
    generator.randomize();
    float lowest = 1, highest = 0;
    for (int i = 0; i < 1'000'000; ++i) {
        const float r = generator.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    // the whole interval is reached, not a corner of it
    QVERIFY(lowest < 1e-4f);
    QVERIFY(highest > 1 - 1e-4f);
}

void TestRuntimeServices::seededGeneratorRepeatsItself() {
    runtime::RandomGenerator a, b;
    a.seed(42, 7);
    b.seed(42, 7);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(a.next(), b.next());
    // PCG32's published first outputs for the state 42 on the stream 54
    runtime::RandomGenerator reference;
    reference.seed(42, 54);
    for (const std::uint32_t expected : {0xa15c02b7u, 0x7b47f409u, 0xba1d3330u, 0x83d2f293u})
        QCOMPARE(reference.nextBits(), expected);
}

void TestRuntimeServices::everyReseedStartsAFreshSequence() {
    // reseeds in quick succession, far inside one millisecond, must all differ
    runtime::RandomGenerator generator;
    std::set<std::array<float, 3>> starts;
    for (int i = 0; i < 1000; ++i) {
        generator.randomize();
        starts.insert({generator.next(), generator.next(), generator.next()});
    }
    QCOMPARE(starts.size(), std::size_t{1000});
}

void TestRuntimeServices::stepsAreRoughlyUniform() {
    runtime::RandomGenerator generator;
    generator.randomize();
    constexpr int draws = 500'000;
    std::array<int, 50> counts{};
    for (int i = 0; i < draws; ++i) {
        const int step = runtime::toInt16(static_cast<double>(generator.next()) * 50 + 10);
        QVERIFY(step >= 10 && step <= 59);
        ++counts[static_cast<std::size_t>(step - 10)];
    }
    // 10,000 expected for each step; a standard deviation is about 100
    for (std::size_t i = 0; i < counts.size(); ++i)
        QVERIFY2(std::abs(counts[i] - draws / 50) < 600,
                 qPrintable(QStringLiteral("step %1 drawn %2 times").arg(i + 10).arg(counts[i])));
}

void TestRuntimeServices::intFloorsIntoSixteenBits_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("whole") << 10.0 << 10;
    QTest::newRow("fraction") << 59.999 << 59;
    QTest::newRow("negative fraction") << -0.5 << -1;
    QTest::newRow("negative whole") << -58.0 << -58;
    QTest::newRow("lowest") << -32768.0 << -32768;
    QTest::newRow("highest") << 32767.75 << 32767;
}

void TestRuntimeServices::intFloorsIntoSixteenBits() {
    QFETCH(double, value);
    QTEST(static_cast<int>(runtime::toInt16(value)), "expected");
}

void TestRuntimeServices::intOutsideSixteenBitsOverflows_data() {
    QTest::addColumn<double>("value");
    QTest::newRow("just above") << 32768.0;
    QTest::newRow("just below") << -32768.25;
    QTest::newRow("huge") << 1e30;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestRuntimeServices::intOutsideSixteenBitsOverflows() {
    QFETCH(double, value);
    try {
        runtime::toInt16(value);
        QFAIL("no wrapping: a value outside 16 bits is an error");
    } catch (const runtime::RuntimeError& error) {
        QCOMPARE(error.number(), 6);
        QCOMPARE(error.description(), QStringLiteral("Overflow"));
    }
}

void TestRuntimeServices::errorReportShowsNumberAndText() {
    QCOMPARE(runtime::RuntimeError(runtime::ErrorCode::Overflow).report(),
             QStringLiteral("Run-time error '6':\n\nOverflow"));
    QCOMPARE(runtime::RuntimeError(runtime::ErrorCode::DivisionByZero).report(),
             QStringLiteral("Run-time error '11':\n\nDivision by zero"));
    QCOMPARE(runtime::RuntimeError(runtime::ErrorCode::OutOfMemory).report(),
             QStringLiteral("Run-time error '7':\n\nOut of memory"));
}

void TestRuntimeServices::directColoursAreBlueGreenRed() {
    const QPalette palette;
    QCOMPARE(runtime::toQColor(runtime::kRed, palette), QColor(255, 0, 0));
    QCOMPARE(runtime::toQColor(0x00FF0000, palette), QColor(0, 0, 255));
    QCOMPARE(runtime::toQColor(0x00336699, palette), QColor(0x99, 0x66, 0x33));
}

void TestRuntimeServices::schemeColoursAreTheSurfacesPaperAndInk() {
    QPalette light;
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    light.setColor(QPalette::HighlightedText, QColor(0xfe, 0xfe, 0xfe));
    light.setColor(QPalette::BrightText, QColor(1, 2, 3)); // never used: 9 is a background
    for (const auto paper :
         {runtime::kWindowBackground, runtime::kCaptionText, runtime::kHighlightText})
        QCOMPARE(runtime::toQColor(paper, light), QColor(0xfe, 0xfe, 0xfe));
    QCOMPARE(runtime::toQColor(runtime::kWindowText, light), QColor(Qt::black));
    QCOMPARE(runtime::toQColor(0x80000063, light), QColor(Qt::black)); // unknown: written as text
    // a direct colour with the same low byte is not mistaken for a scheme colour
    QCOMPARE(runtime::toQColor(0x00000008, light), QColor(8, 0, 0));

    // a dark scheme's highlight text is as light as its text: the page is written in its Base
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x1b, 0x1e, 0x20));
    dark.setColor(QPalette::Text, QColor(0xfc, 0xfc, 0xfc));
    dark.setColor(QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc));
    QCOMPARE(runtime::toQColor(runtime::kHighlightText, dark), QColor(0xfc, 0xfc, 0xfc));
    QCOMPARE(runtime::toQColor(runtime::kWindowText, dark), QColor(0x1b, 0x1e, 0x20));
    const QPalette surface = runtime::surfacePalette(dark);
    QCOMPARE(surface.color(QPalette::Window), QColor(0xfc, 0xfc, 0xfc));
    QCOMPARE(surface.color(QPalette::WindowText), QColor(0x1b, 0x1e, 0x20));
}

void TestRuntimeServices::contrastIsMeasuredAsGuidelinesDo() {
    QCOMPARE(runtime::contrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(runtime::contrastRatio(Qt::white, Qt::white), 1.0);
    QVERIFY(qAbs(runtime::contrastRatio(Qt::red, Qt::white) - 4.0) < 0.01);
    QVERIFY(qAbs(runtime::contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
}

void TestRuntimeServices::twipsAreFifteenToAPixel() {
    QCOMPARE(runtime::twipsToPixels(9585), 639);
    QCOMPARE(runtime::twipsToPixels(6960), 464);
    QCOMPARE(runtime::twipsToPixels(2055), 137);
    QCOMPARE(runtime::twipsToPixels(5207), 347); // 347.13 rounds down
    QCOMPARE(runtime::twipsToPixels(5193), 346); // 346.2
    QCOMPARE(runtime::twipsToPixels(-58), -4);
}

QTEST_APPLESS_MAIN(TestRuntimeServices)
#include "tst_runtime_services.moc"
