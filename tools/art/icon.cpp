// The game icon: Bazzle bouncing over a chequered finish line. One vector
// drawing serves every size; the 32 px window icon is later reduced to the
// 16 colours below, and the drawing's shading is laid out so that each of
// them is put to use.

#include "paint_kit.h"
#include "racers.h"

#include <algorithm>

namespace art {

namespace {

const QColor kBlobLight(0xe4, 0xc4, 0xff);
const QColor kBlob(0x9c, 0x5c, 0xe6);
const QColor kBlobDark(0x5c, 0x28, 0xa4);
const QColor kBlobRim(0x44, 0x28, 0x6e);
const QColor kGlow(0xff, 0xe0, 0x4a);
const QColor kEyeShade(0xe0, 0xe2, 0xf4);
const QColor kChequerShade(0xc4, 0xc6, 0xda);
const QColor kBlush(0xe0, 0x70, 0xc8);

// A simpler eye than the racers' so it still reads at 32 px: flat white, one
// big pupil and one highlight.
void drawIconEye(QPainter& p, const QPointF& c, qreal rx, qreal ry, qreal line) {
    QPainterPath white;
    white.addEllipse(c, rx, ry);
    QLinearGradient shade(c + QPointF(0, -ry), c + QPointF(0, ry));
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.6, Qt::white);
    shade.setColorAt(1.0, kEyeShade);
    fillOutlined(p, white, shade, line);
    const QPointF pupil = c + QPointF(-rx * 0.2, ry * 0.06);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(pupil, rx * 0.54, ry * 0.6);
    p.setBrush(Qt::white);
    p.drawEllipse(pupil + QPointF(-rx * 0.1, -ry * 0.24), rx * 0.24, rx * 0.24);
    p.restore();
}

} // namespace

std::array<QRgb, 16> iconPalette() {
    return {
        qRgb(0x2a, 0x1e, 0x3c), // ink: outlines, pupils, chequers
        qRgb(0xff, 0xff, 0xff), // white: eyes, chequers
        qRgb(0x5c, 0x28, 0xa4), // deep purple
        qRgb(0x7c, 0x40, 0xc8), // purple shade
        qRgb(0x9c, 0x5c, 0xe6), // purple
        qRgb(0xbc, 0x8c, 0xf4), // light purple
        qRgb(0xe4, 0xd0, 0xff), // lavender shine
        qRgb(0x44, 0x28, 0x6e), // darkest rim of the body
        qRgb(0xff, 0xe0, 0x4a), // antenna bobbles
        qRgb(0xf0, 0x9c, 0x1c), // bobble shade
        qRgb(0xff, 0xf6, 0xc8), // bobble highlight
        qRgb(0x6e, 0x16, 0x3a), // mouth
        qRgb(0xff, 0x7a, 0x9a), // tongue
        qRgb(0xe0, 0x70, 0xc8), // cheeks
        qRgb(0xe0, 0xe2, 0xf4), // shade in the eyes
        qRgb(0xc4, 0xc6, 0xda), // shade on the chequers
    };
}

void drawIcon(QPainter& p, int size) {
    const qreal k = size / 256.0;
    p.save();
    p.scale(k, k);
    // About 1.7 px of outline at small sizes, 10 units at large ones.
    const qreal line = std::max(10.0, 1.7 / k);

    // Chequered finish line along the bottom, squares on whole pixels at 32 px.
    const qreal stripLine = std::max(7.0, 1.0 / k);
    const QRectF strip(0, 192, 256, 64);
    QPainterPath stripPath;
    stripPath.addRoundedRect(
        strip.adjusted(stripLine / 2, stripLine / 2, -stripLine / 2, -stripLine / 2), 8, 8);
    fillOutlined(p, stripPath, verticalGradient(strip, Qt::white, kChequerShade), 0);
    p.save();
    p.setClipPath(stripPath);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 8; ++col) {
            if ((row + col) % 2 == 0)
                p.drawRect(QRectF(col * 32.0, strip.top() + row * 32.0, 32, 32));
        }
    }
    p.restore();
    p.setPen(inkPen(stripLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stripPath);

    // Antennae.
    auto antenna = [&](std::initializer_list<QPointF> stalk, const QPointF& tip, qreal r) {
        const QPainterPath path = smoothOpen(stalk);
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(inkPen(std::max(22.0, 3.2 / k)));
        p.drawPath(path);
        p.setPen(QPen(kBlob, std::max(22.0, 3.2 / k) - 2 * line + 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.restore();
        QPainterPath ball;
        ball.addEllipse(tip, r, r);
        QRadialGradient shine(tip, 1.05 * r, tip + QPointF(-0.35 * r, -0.4 * r));
        shine.setColorAt(0.0, QColor(0xff, 0xfc, 0xe0));
        shine.setColorAt(0.3, kGlow);
        shine.setColorAt(0.45, kGlow);
        shine.setColorAt(1.0, QColor(0xf0, 0x9c, 0x1c));
        fillOutlined(p, ball, shine, line);
    };
    antenna({{112, 56}, {102, 36}, {92, 26}}, {88, 24}, 22);
    antenna({{156, 58}, {182, 38}, {206, 30}}, {212, 30}, 22);

    // Body.
    QPainterPath body = smoothClosed({{118, 42},
                                      {58, 62},
                                      {24, 118},
                                      {34, 170},
                                      {92, 198},
                                      {166, 196},
                                      {222, 164},
                                      {228, 108},
                                      {194, 58},
                                      {152, 44}});
    const QRectF bodyBox = body.boundingRect();
    QRadialGradient shade(
        bodyBox.center(), 0.54 * bodyBox.width(),
        QPointF(bodyBox.left() + 0.35 * bodyBox.width(), bodyBox.top() + 0.3 * bodyBox.height()));
    shade.setColorAt(0.0, kBlobLight);
    shade.setColorAt(0.42, kBlob);
    shade.setColorAt(0.66, QColor(0x7c, 0x40, 0xc8));
    shade.setColorAt(0.8, kBlobDark);
    shade.setColorAt(0.92, kBlobRim);
    fillOutlined(p, body, shade, 0);
    p.save();
    p.setClipPath(body);
    p.setPen(Qt::NoPen);
    // A pale belly, as on the racer.
    p.setBrush(verticalGradient(QRectF(40, 170, 170, 40), QColor(0xf0, 0xe2, 0xff),
                                QColor(0xdc, 0xc4, 0xfc)));
    p.drawEllipse(QPointF(124, 212), 84, 40);
    p.setBrush(QColor(255, 255, 255, 170));
    p.translate(58, 80);
    p.rotate(-50);
    p.drawEllipse(QPointF(0, 0), 24, 11);
    p.restore();
    p.setPen(inkPen(line));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    const qreal eyeLine = std::max(8.0, 1.2 / k);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(kBlush);
    p.drawEllipse(QPointF(50, 150), 15, 10);
    p.drawEllipse(QPointF(196, 140), 15, 10);
    p.restore();
    drawIconEye(p, {84, 104}, 34, 40, eyeLine);
    drawIconEye(p, {156, 100}, 36, 42, eyeLine);

    QPainterPath mouth;
    mouth.moveTo(80, 150);
    mouth.cubicTo(104, 160, 142, 160, 168, 146);
    mouth.cubicTo(162, 176, 142, 186, 124, 186);
    mouth.cubicTo(100, 186, 82, 172, 80, 150);
    mouth.closeSubpath();
    drawOpenMouth(
        p, mouth,
        {QColor(0x6e, 0x16, 0x3a), QColor(0xff, 0x7a, 0x9a), {124, 190}, 28, 17, eyeLine});

    p.restore();
}

} // namespace art
