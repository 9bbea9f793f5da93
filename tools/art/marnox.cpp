// Marnox: a lanky green frog with bulging eyes and a red scarf streaming
// behind, all long legs in mid stride.

#include "paint_kit.h"
#include "racers.h"

namespace art {

namespace {

constexpr qreal kOutline = 4.0;

const QColor kSkinLight(0xc8, 0xf5, 0x86);
const QColor kSkin(0x5c, 0xcc, 0x48);
const QColor kSkinDark(0x2a, 0x8e, 0x38);
const QColor kFarLimb(0x3c, 0xa0, 0x3a);
const QColor kBelly(0xf6, 0xf8, 0xba);
const QColor kSpot(0x2f, 0x94, 0x3c);
const QColor kScarf(0xf0, 0x3a, 0x3a);
const QColor kScarfDark(0xb8, 0x1c, 0x2c);

// A webbed foot with three round toes; `ankle` is where the leg meets it and
// the toes point along `angle` (0 = left).
void drawWebbedFoot(QPainter& p, const QPointF& ankle, qreal angle, const QColor& colour) {
    p.save();
    p.translate(ankle);
    p.rotate(angle);
    QPainterPath foot = smoothClosed({{2, -6},
                                      {-12, -9},
                                      {-26, -11},
                                      {-22, -4},
                                      {-30, 1},
                                      {-22, 5},
                                      {-26, 11},
                                      {-10, 9},
                                      {2, 6}});
    fillOutlined(p, foot, colour, 3.5);
    for (const QPointF& toe : {QPointF(-26, -10), QPointF(-29.5, 1), QPointF(-25.5, 10.5)}) {
        QPainterPath pad;
        pad.addEllipse(toe, 4.2, 4.2);
        fillOutlined(p, pad, kSkinLight, 2.5);
    }
    p.restore();
}

void drawHand(QPainter& p, const QPointF& centre, const QColor& colour) {
    QPainterPath hand;
    hand.addEllipse(centre, 7.5, 7.5);
    hand.addEllipse(centre + QPointF(-7, -5), 4.5, 4.5);
    hand.addEllipse(centre + QPointF(-8.5, 2.5), 4.5, 4.5);
    hand.addEllipse(centre + QPointF(-3, 8), 4.5, 4.5);
    hand.setFillRule(Qt::WindingFill);
    fillOutlined(p, hand.simplified(), colour, 3.0);
}

} // namespace

void drawMarnox(QPainter& p) {
    drawGroundShadow(p, QRectF(18, 170, 176, 16));

    drawSpeedLine(p, {150, 22}, {180, 22}, 5);
    drawSpeedLine(p, {162, 38}, {198, 38}, 5);
    drawSpeedLine(p, {190, 164}, {212, 164}, 5);

    // Scarf tails streaming behind, drawn first so the neck covers their roots.
    const QLinearGradient scarfShade =
        verticalGradient(QRectF(120, 50, 100, 70), QColor(0xff, 0x6a, 0x5c), kScarfDark);
    QPainterPath tailHigh = smoothClosed({{122, 84},
                                          {150, 72},
                                          {178, 68},
                                          {202, 54},
                                          {216, 48},
                                          {208, 64},
                                          {218, 76},
                                          {194, 82},
                                          {166, 88},
                                          {132, 100}});
    fillOutlined(p, tailHigh, scarfShade, kOutline);
    QPainterPath tailLow = smoothClosed({{124, 98},
                                         {152, 100},
                                         {178, 106},
                                         {212, 98},
                                         {204, 110},
                                         {210, 122},
                                         {180, 120},
                                         {150, 114},
                                         {126, 110}});
    fillOutlined(p, tailLow, scarfShade, kOutline);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 230), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.setClipPath(tailHigh);
    for (qreal x : {164.0, 186.0})
        p.drawLine(QPointF(x, 60), QPointF(x + 6, 96));
    p.setClipPath(tailLow);
    p.drawLine(QPointF(176, 96), QPointF(178, 126));
    p.restore();

    // Far arm swinging back and far leg kicking up behind.
    drawLimb(p, {{128, 106}, {146, 126}, {166, 130}}, 8, kFarLimb, kOutline);
    drawHand(p, {170, 130}, kFarLimb);
    drawLimb(p, {{126, 138}, {146, 160}, {176, 150}}, 11, kFarLimb, kOutline);
    drawWebbedFoot(p, {178, 148}, 160, kFarLimb);

    // Body: a pear leaning into the run.
    QPainterPath body = smoothClosed(
        {{86, 86}, {74, 110}, {84, 136}, {112, 150}, {138, 140}, {146, 112}, {132, 86}});
    const QRectF bodyBox = body.boundingRect();
    fillOutlined(p, body, litGradient(bodyBox, kSkinLight, kSkin, kSkinDark), 0);
    p.save();
    p.setClipPath(body);
    QPainterPath belly;
    belly.addEllipse(QRectF(64, 92, 52, 60));
    fillOutlined(p, belly, verticalGradient(belly.boundingRect(), Qt::white, kBelly), 3.0);
    p.restore();
    p.setPen(inkPen(kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    for (const auto& [c, r] : {std::pair{QPointF(132, 110), 5.0}, {QPointF(124, 128), 3.8}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(kSpot);
        p.drawEllipse(c, r, r);
    }

    // Near leg striding forward: knee up, long shin, foot slapping down ahead.
    drawLimb(p, {{116, 136}, {84, 132}, {58, 164}}, 12, kSkin, kOutline);
    drawWebbedFoot(p, {58, 166}, -4, kSkin);

    // Head with its two eye bumps, drawn as one outline.
    QPainterPath head;
    head.addEllipse(QRectF(20, 30, 116, 70));
    QPainterPath bumps;
    bumps.addEllipse(QPointF(50, 34), 21, 21);
    bumps.addEllipse(QPointF(94, 28), 24, 24);
    head = head.united(bumps);
    fillOutlined(p, head, litGradient(QRectF(20, 4, 116, 96), kSkinLight, kSkin, kSkinDark),
                 kOutline);
    for (const auto& [c, r] :
         {std::pair{QPointF(118, 56), 5.5}, {QPointF(126, 72), 4.0}, {QPointF(110, 74), 3.0}}) {
        p.setPen(Qt::NoPen);
        p.setBrush(kSpot);
        p.drawEllipse(c, r, r);
    }

    // Scarf wrapped round the neck.
    QPainterPath wrap =
        smoothClosed({{82, 88}, {108, 96}, {134, 90}, {138, 102}, {110, 110}, {80, 100}});
    fillOutlined(p, wrap,
                 verticalGradient(QRectF(80, 86, 58, 24), QColor(0xff, 0x6a, 0x5c), kScarf),
                 kOutline);
    p.save();
    p.setClipPath(wrap);
    p.setPen(QPen(QColor(255, 255, 255, 220), 3.0));
    for (qreal x : {96.0, 112.0, 128.0})
        p.drawLine(QPointF(x, 84), QPointF(x - 4, 112));
    p.restore();

    drawEye(p, {48, 32}, 13, 15, 3.5, {-0.6, 0.1});
    drawEye(p, {92, 27}, 15, 17, 3.5, {-0.55, 0.1});

    // Nostrils.
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(27, 56), 2.2, 1.6);
    p.drawEllipse(QPointF(35, 54), 2.2, 1.6);

    // Wide frog grin.
    QPainterPath mouth;
    mouth.moveTo(26, 68);
    mouth.cubicTo(46, 76, 72, 78, 96, 72);
    mouth.cubicTo(88, 90, 66, 96, 48, 90);
    mouth.cubicTo(36, 86, 28, 78, 26, 68);
    mouth.closeSubpath();
    drawOpenMouth(p, mouth,
                  {QColor(0x7a, 0x1c, 0x3a), QColor(0xff, 0x7a, 0x90), {62, 96}, 18, 9, 3.5});

    // Near arm swinging forward.
    drawLimb(p, {{100, 104}, {84, 124}, {58, 118}}, 9, kSkin, kOutline);
    drawHand(p, {54, 116}, kSkin);
}

} // namespace art
