// Rufta: a fluffy orange fox in full gallop, big white-tipped tail flying.

#include "paint_kit.h"
#include "racers.h"

#include <vector>

namespace art {

namespace {

constexpr qreal kOutline = 4.0;

const QColor kFurLight(0xff, 0xd0, 0x80);
const QColor kFur(0xff, 0x8c, 0x2a);
const QColor kFurDark(0xd2, 0x52, 0x18);
const QColor kFarFur(0xe0, 0x6a, 0x20);
const QColor kCream(0xff, 0xf6, 0xe2);
const QColor kCreamShade(0xf0, 0xd8, 0xb4);
const QColor kSock(0x5e, 0x30, 0x22);

// A lumpy, furry outline: circles of the given radii placed along a smooth
// curve and merged into one shape.
QPainterPath furAlong(std::initializer_list<QPointF> spine, std::initializer_list<qreal> radii) {
    const QPainterPath curve = smoothOpen(spine);
    const std::vector<qreal> r(radii);
    QPainterPath fur;
    const int n = static_cast<int>(r.size());
    for (int i = 0; i < n; ++i) {
        const qreal t = n == 1 ? 0.0 : qreal(i) / (n - 1);
        fur.addEllipse(curve.pointAtPercent(t), r[size_t(i)], r[size_t(i)]);
    }
    fur.setFillRule(Qt::WindingFill);
    return fur.simplified();
}

// A leg in orange with a dark sock and a round paw at the end.
void drawLeg(QPainter& p, const QPointF& hip, const QPointF& knee, const QPointF& paw,
             const QColor& fur) {
    drawLimb(p, {hip, knee, paw}, 13, fur, kOutline);
    const QPointF sockStart = knee + (paw - knee) * 0.35;
    QPen sock(kSock, 13, Qt::SolidLine, Qt::RoundCap);
    p.save();
    p.setPen(sock);
    p.drawLine(sockStart, paw);
    p.restore();
    QPainterPath pad;
    pad.addEllipse(paw + QPointF(-3, 1), 9.5, 7.5);
    fillOutlined(p, pad, kSock, 3.5);
}

void drawEar(QPainter& p, const QPointF& baseLeft, const QPointF& tip, const QPointF& baseRight,
             const QColor& fur) {
    QPainterPath ear;
    ear.moveTo(baseLeft);
    ear.quadTo((baseLeft + tip) / 2 + QPointF(-6, 0), tip);
    ear.quadTo((tip + baseRight) / 2 + QPointF(8, 2), baseRight);
    ear.closeSubpath();
    fillOutlined(p, ear, fur, kOutline);
    QPainterPath inner;
    const QPointF mid = (baseLeft + baseRight) / 2;
    const QPointF a = baseLeft + (tip - baseLeft) * 0.12 + (mid - baseLeft) * 0.35;
    const QPointF b = baseRight + (tip - baseRight) * 0.12 + (mid - baseRight) * 0.35;
    const QPointF t = tip + (mid - tip) * 0.3;
    inner.moveTo(a);
    inner.quadTo((a + t) / 2, t);
    inner.quadTo((t + b) / 2, b);
    inner.closeSubpath();
    fillOutlined(p, inner, QColor(0x6a, 0x36, 0x2a), 0);
}

} // namespace

void drawRufta(QPainter& p) {
    drawGroundShadow(p, QRectF(18, 176, 196, 16));

    drawSpeedLine(p, {212, 118}, {238, 118}, 5);
    drawSpeedLine(p, {218, 134}, {240, 134}, 5);
    drawSpeedLine(p, {206, 150}, {226, 150}, 5);
    drawDustPuff(p, {228, 172}, 8, 2.5);

    // Far legs, in shade.
    drawLeg(p, {96, 124}, {74, 146}, {52, 160}, kFarFur);
    drawLeg(p, {152, 126}, {170, 152}, {196, 166}, kFarFur);

    // The great bushy tail.
    QPainterPath tail = furAlong({{156, 106}, {188, 98}, {206, 72}, {213, 46}, {208, 28}},
                                 {11, 15, 19, 23, 25, 25, 23, 20, 16});
    fillOutlined(p, tail, litGradient(tail.boundingRect(), kFurLight, kFur, kFurDark), 0);
    p.save();
    p.setClipPath(tail);
    // The white tip ends in a row of tufts.
    QPainterPath tip;
    tip.moveTo(150, -10);
    tip.lineTo(250, -10);
    tip.lineTo(250, 46);
    for (int i = 0; i < 5; ++i) {
        const qreal x0 = 250 - 20.0 * i;
        const qreal x1 = x0 - 20.0;
        const auto base = [](qreal x) { return 40 + (x - 190) * 0.12; };
        tip.quadTo(QPointF((x0 + x1) / 2, base((x0 + x1) / 2) + 14), QPointF(x1, base(x1)));
    }
    tip.closeSubpath();
    fillOutlined(p, tip, verticalGradient(QRectF(190, 0, 40, 60), Qt::white, kCreamShade),
                 kOutline);
    p.restore();
    p.setPen(inkPen(kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tail);

    // Near legs: front reaching ahead, back one stretched out behind.
    drawLeg(p, {88, 118}, {60, 136}, {36, 146}, kFur);
    drawLeg(p, {156, 116}, {182, 142}, {210, 152}, kFur);

    // Body with a pale belly.
    p.save();
    p.translate(122, 108);
    p.rotate(-5);
    QPainterPath body;
    body.addEllipse(QRectF(-60, -34, 120, 68));
    fillOutlined(p, body, litGradient(body.boundingRect(), kFurLight, kFur, kFurDark), 0);
    p.save();
    p.setClipPath(body);
    QPainterPath belly;
    belly.addEllipse(QRectF(-56, 14, 100, 40));
    fillOutlined(p, belly, verticalGradient(belly.boundingRect(), kCream, kCreamShade), kOutline);
    p.restore();
    p.setPen(inkPen(kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.restore();

    // Head: ears, skull and pointed muzzle.
    drawEar(p, {40, 58}, {34, 10}, {62, 46}, kFarFur);
    drawEar(p, {66, 48}, {86, 6}, {96, 60}, kFur);

    QPainterPath head;
    head.addEllipse(QPointF(66, 78), 36, 33);
    QPainterPath muzzle =
        smoothClosed({{46, 66}, {22, 80}, {9, 90}, {13, 100}, {34, 104}, {56, 100}});
    head = head.united(muzzle);
    const QRectF headBox(6, 44, 98, 70);
    fillOutlined(p, head, litGradient(headBox, kFurLight, kFur, kFurDark), 0);
    p.setPen(inkPen(kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);

    // A fluffy cream ruff from the cheek down the chest.
    QPainterPath ruff = furAlong({{96, 88}, {90, 106}, {80, 122}}, {12, 13, 14, 13, 11});
    fillOutlined(p, ruff, verticalGradient(ruff.boundingRect(), kCream, kCreamShade), kOutline);

    // Nose.
    QPainterPath nose;
    nose.addEllipse(QPointF(13, 90), 7.5, 6);
    fillOutlined(p, nose,
                 litGradient(nose.boundingRect(), QColor(0x7a, 0x6a, 0x8a),
                             QColor(0x2a, 0x1e, 0x3c), QColor(0x14, 0x0c, 0x1e)),
                 2.0);

    drawEye(p, {44, 70}, 10, 14, 3.5, {-0.6, 0.05});
    drawEye(p, {72, 70}, 13, 17, 3.5, {-0.55, 0.05});
    drawBlush(p, {80, 90}, 9, 6);

    // Happy open mouth under the muzzle.
    QPainterPath mouth;
    mouth.moveTo(16, 101);
    mouth.cubicTo(28, 106, 44, 106, 56, 100);
    mouth.cubicTo(52, 114, 40, 120, 30, 116);
    mouth.cubicTo(22, 113, 17, 108, 16, 101);
    mouth.closeSubpath();
    drawOpenMouth(p, mouth,
                  {QColor(0x7a, 0x1c, 0x3a), QColor(0xff, 0x7a, 0x90), {38, 118}, 12, 7, 3.5});
}

} // namespace art
