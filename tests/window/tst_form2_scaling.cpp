// The window on a high-density screen (run with QT_SCALE_FACTOR set): everything scales in
// proportion, captions still fit, and the pictures are drawn smoothly at the finer grain.
#include "caption_room.h"
#include "form2_probe.h"

#include <QTest>

#include <cstdlib>

using testing::Form2Probe;

namespace {

// Mean difference per colour channel between two images of the same size.
double meanDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    double total = 0;
    for (int y = 0; y < left.height(); ++y)
        for (int x = 0; x < left.width(); ++x) {
            const QRgb p = left.pixel(x, y), q = right.pixel(x, y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    return total / (3.0 * left.width() * left.height());
}

} // namespace

class TestForm2Scaling : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowScalesInProportion();
    void captionsStillFit();
    void picturesAreDrawnSmoothly();

private:
    double scale_ = 1;
};

void TestForm2Scaling::initTestCase() {
    scale_ = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QVERIFY2(scale_ > 1, "run with QT_SCALE_FACTOR above 1");
}

void TestForm2Scaling::windowScalesInProportion() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.devicePixelRatio(), scale_);
    Form2Probe probe(form);
    // layout stays in device-independent pixels; the screen draws it larger
    QCOMPARE(probe.client()->size(), QSize(639, 464));
    const QImage client = probe.client()->grab().toImage();
    QCOMPARE(client.size(), QSize(qRound(639 * scale_), qRound(464 * scale_)));
    QCOMPARE(probe.image("imgBazzle")->geometry(), QRect(416, 352, 99, 107));
}

void TestForm2Scaling::captionsStillFit() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    Form2Probe probe(form);
    probe.moveOnto(*probe.option("optMar")); // a shown cheer too
    for (const char* name : {"Label1", "optDor", "optMar", "optRuf", "optBzl", "Label2", "Label3",
                             "Label4", "Label5"}) {
        const QString overflow = testing::captionOverflow(*probe.find(name));
        QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
    }
}

void TestForm2Scaling::picturesAreDrawnSmoothly() {
    window::Form2 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const char* name : {"imgDorvit", "imgMarnox", "imgRufta", "imgBazzle"}) {
        window::ImageControl* image = Form2Probe(form).image(name);
        const QImage drawn = image->grab().toImage();
        const QSize device = drawn.size();
        QCOMPARE(device, (image->size() * scale_));
        const QImage source = image->pixmap().toImage();
        const QImage smooth =
            source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage blocky = source.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const double fromSmooth = meanDifference(drawn, smooth);
        const double fromBlocky = meanDifference(drawn, blocky);
        QVERIFY2(fromSmooth < 2 && fromSmooth < fromBlocky / 2,
                 qPrintable(QStringLiteral("%1: %2 from smooth, %3 from blocky")
                                .arg(QLatin1String(name))
                                .arg(fromSmooth)
                                .arg(fromBlocky)));
    }
}

QTEST_MAIN(TestForm2Scaling)
#include "tst_form2_scaling.moc"
