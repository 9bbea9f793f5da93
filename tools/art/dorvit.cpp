// Dorvit: a round blue beetle in red sneakers, antennae swept back by speed.

#include "paint_kit.h"
#include "racers.h"

namespace art {

namespace {

constexpr qreal kOutline = 4.0;

const QColor kShellLight(0x8f, 0xd0, 0xff);
const QColor kShell(0x2f, 0x78, 0xe8);
const QColor kShellDark(0x1a, 0x3f, 0xa0);
const QColor kHeadLight(0xd4, 0xf6, 0xff);
const QColor kHead(0x5e, 0xcc, 0xf6);
const QColor kHeadDark(0x24, 0x8c, 0xd0);
const QColor kLegNear(0x2a, 0x4c, 0x9c);
const QColor kLegFar(0x1c, 0x33, 0x72);
const QColor kSpot(0xff, 0xd8, 0x3a);

// A chunky sneaker; `heel` is where the leg meets it, the toe points left.
void drawSneaker(QPainter& p, const QPointF& heel, qreal tilt) {
    p.save();
    p.translate(heel);
    p.rotate(tilt);
    QPainterPath shoe = smoothClosed({{6, -6}, {-6, -8}, {-18, -4}, {-22, 3}, {-14, 8}, {6, 7}});
    fillOutlined(p, shoe,
                 verticalGradient(QRectF(-22, -8, 30, 16), QColor(0xff, 0x6a, 0x5a),
                                  QColor(0xd8, 0x24, 0x30)),
                 3.0);
    QPen sole(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap);
    p.setPen(sole);
    p.drawLine(QPointF(-17, 4.5), QPointF(3, 4.5));
    p.restore();
}

void drawAntenna(QPainter& p, std::initializer_list<QPointF> stalk, const QPointF& tip) {
    p.save();
    QPainterPath path = smoothOpen(stalk);
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(7.5));
    p.drawPath(path);
    QPen inner(kHeadDark, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(inner);
    p.drawPath(path);
    p.restore();
    QPainterPath ball;
    ball.addEllipse(tip, 8, 8);
    fillOutlined(
        p, ball,
        litGradient(ball.boundingRect(), QColor(0xff, 0xfb, 0xd0), kSpot, QColor(0xe8, 0x9a, 0x10)),
        3.0);
}

} // namespace

void drawDorvit(QPainter& p) {
    drawGroundShadow(p, QRectF(28, 158, 176, 18));

    // Speed lines and a puff of dust behind.
    drawSpeedLine(p, {196, 58}, {216, 58}, 5);
    drawSpeedLine(p, {203, 82}, {218, 82}, 5);
    drawSpeedLine(p, {200, 106}, {216, 106}, 5);
    drawDustPuff(p, {196, 160}, 8, 2.5);

    // Far-side legs, in shade.
    drawLimb(p, {{104, 128}, {88, 146}, {70, 156}}, 9, kLegFar, kOutline);
    drawLimb(p, {{160, 126}, {176, 142}, {190, 146}}, 9, kLegFar, kOutline);
    drawSneaker(p, {72, 157}, -8);
    drawSneaker(p, {192, 147}, -28);

    // Shell.
    p.save();
    p.translate(128, 86);
    p.rotate(-7);
    const QRectF shellBox(-72, -60, 144, 116);
    QPainterPath shell;
    shell.addEllipse(shellBox);
    fillOutlined(p, shell, litGradient(shellBox, kShellLight, kShell, kShellDark), 0);
    // Pale, ribbed underside.
    p.save();
    p.setClipPath(shell);
    QPainterPath belly;
    belly.addEllipse(QRectF(-80, 22, 160, 60));
    fillOutlined(p, belly,
                 verticalGradient(QRectF(-80, 22, 160, 40), QColor(0xfb, 0xf0, 0xc8),
                                  QColor(0xe6, 0xc8, 0x86)),
                 kOutline);
    p.setPen(inkPen(2.5));
    for (qreal x : {-30.0, 0.0, 30.0})
        p.drawLine(QPointF(x, 30), QPointF(x + 4, 54));
    // The edge of the wing case.
    p.setPen(QPen(kShellDark, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(smoothOpen({{-44, -46}, {10, -50}, {52, -28}, {68, 10}}));
    p.restore();
    // Spots.
    for (const auto& [c, r] : {std::pair{QPointF(-8, -24), 12.0},
                               {QPointF(30, -12), 10.0},
                               {QPointF(8, 6), 8.5},
                               {QPointF(48, 8), 6.5}}) {
        QPainterPath spot;
        spot.addEllipse(c, r, r * 0.9);
        fillOutlined(p, spot,
                     litGradient(spot.boundingRect(), QColor(0xff, 0xf6, 0xc0), kSpot,
                                 QColor(0xf0, 0xa8, 0x20)),
                     2.5);
    }
    // Shine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 150));
    p.save();
    p.translate(-36, -38);
    p.rotate(-28);
    p.drawEllipse(QPointF(0, 0), 18, 7);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(kOutline));
    p.drawPath(shell);
    p.restore();

    // Antennae, swept back by the wind.
    drawAntenna(p, {{52, 60}, {56, 36}, {70, 19}, {86, 14}}, {88, 14});
    drawAntenna(p, {{72, 62}, {84, 40}, {102, 26}, {118, 22}}, {120, 22});

    // Head.
    const QRectF headBox(18, 48, 88, 86);
    QPainterPath head;
    head.addEllipse(headBox);
    fillOutlined(p, head, litGradient(headBox, kHeadLight, kHead, kHeadDark), kOutline);

    drawBlush(p, {84, 110}, 10, 7);
    drawEye(p, {34, 82}, 11, 16, 3.5, {-0.6, 0.05});
    drawEye(p, {62, 82}, 14, 18, 3.5, {-0.55, 0.05});

    // Big open grin.
    QPainterPath mouth;
    mouth.moveTo(24, 106);
    mouth.quadTo(46, 112, 70, 105);
    mouth.cubicTo(66, 124, 52, 130, 42, 128);
    mouth.cubicTo(32, 126, 25, 118, 24, 106);
    mouth.closeSubpath();
    drawOpenMouth(p, mouth,
                  {QColor(0x7a, 0x1c, 0x3a), QColor(0xff, 0x7a, 0x90), {48, 130}, 14, 9, 3.5},
                  [](QPainter& q) {
                      q.setBrush(Qt::white);
                      q.drawRect(QRectF(26, 100, 44, 8.5));
                  });

    // Near-side legs.
    drawLimb(p, {{66, 128}, {50, 142}, {34, 150}}, 10, kLegNear, kOutline);
    drawLimb(p, {{132, 138}, {146, 152}, {166, 160}}, 10, kLegNear, kOutline);
    drawSneaker(p, {38, 151}, -6);
    drawSneaker(p, {170, 161}, -18);
}

} // namespace art
