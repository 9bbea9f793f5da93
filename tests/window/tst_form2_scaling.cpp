// The window on a high-density screen (run with QT_SCALE_FACTOR set): everything scales in
// proportion, captions still fit, and the pictures are drawn smoothly at the finer grain, from
// their full-size bitmaps.
#include "caption_room.h"
#include "drawn_colours.h"
#include "form2_probe.h"

#include <QApplication>
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
    QVERIFY(testing::shown(form));
    QCOMPARE(form.devicePixelRatio(), scale_);
    Form2Probe probe(form);
    // layout stays in device-independent pixels; the screen draws it larger
    const QSize client = window::clientPixelSize(window::form2Description());
    QCOMPARE(probe.client()->size(), client);
    QCOMPARE(probe.client()->grab().toImage().size(), client * scale_);
    QCOMPARE(probe.image(4)->geometry(), testing::storedPixels(race::racer(4).image));
}

// Every caption fits its room, and is drawn whole: its ink stops short of the room's edges, or
// of the window's where the window cuts the control.
void TestForm2Scaling::captionsStillFit() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    Form2Probe probe(form);
    probe.moveOnto(*probe.option(2)); // a shown cheer too
    // (Windows' style frames the focused caption; the frame is not the caption's ink)
    if (QWidget* focused = QApplication::focusWidget())
        focused->clearFocus();
    const QImage grabbed = testing::grabWindow(form);
    for (const window::ControlDescription& stored : window::form2Description().controls) {
        if (stored.kind == window::ControlKind::Image)
            continue;
        const QWidget* control = probe.find(stored.name);
        const QString overflow = testing::captionOverflow(*control);
        QVERIFY2(overflow.isEmpty(), qPrintable(overflow));
        if (!control->isVisible())
            continue;
        const QRect room = testing::captionRoom(*control).intersected(
            probe.client()->rect().translated(-control->pos()));
        const QRect ink = testing::drawnIn(grabbed, *control, room).ink;
        const QRect inside = QRect(QPoint(), room.size() * scale_).adjusted(0, 1, -2, -1);
        QVERIFY2(!ink.isEmpty() && inside.contains(ink),
                 qPrintable(QStringLiteral("%1: ink at %2,%3 %4x%5 in a %6x%7 room")
                                .arg(control->objectName())
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(inside.width())
                                .arg(inside.height())));
    }
}

void TestForm2Scaling::picturesAreDrawnSmoothly() {
    window::Form2 form;
    QVERIFY(testing::shown(form));
    for (int racer = 1; racer <= race::kRacerCount; ++racer) {
        window::ImageControl* image = Form2Probe(form).image(racer);
        const QImage drawn = image->grab().toImage();
        const QSize device = drawn.size();
        QCOMPARE(device, (image->size() * scale_));
        const QImage source(testing::storedArt(racer));
        QCOMPARE(image->pixmap().size(), source.size()); // the full-size bitmap, not a baked one
        const QImage smooth =
            source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage blocky = source.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const double fromSmooth = meanDifference(drawn, smooth);
        const double fromBlocky = meanDifference(drawn, blocky);
        QVERIFY2(fromSmooth < 2 && fromSmooth < fromBlocky / 2,
                 qPrintable(QStringLiteral("%1: %2 from smooth, %3 from blocky")
                                .arg(image->objectName())
                                .arg(fromSmooth)
                                .arg(fromBlocky)));
    }
}

QTEST_MAIN(TestForm2Scaling)
#include "tst_form2_scaling.moc"
