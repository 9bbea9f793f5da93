// Bazzle: a bouncy purple blob with two springy antennae, caught mid-hop.

#include "paint_kit.h"
#include "racers.h"

namespace art {

namespace {

constexpr qreal kOutline = 4.5;

const QColor kBlobLight(0xe4, 0xc4, 0xff);
const QColor kBlob(0x9c, 0x5c, 0xe6);
const QColor kBlobDark(0x5c, 0x28, 0xa4);
const QColor kBelly(0xf0, 0xe2, 0xff);
const QColor kGlow(0xff, 0xe0, 0x4a);
const QColor kFoot(0xff, 0xb0, 0x3a);
const QColor kFootDark(0xe0, 0x76, 0x18);

void drawAntenna(QPainter& p, std::initializer_list<QPointF> stalk, const QPointF& tip,
                 qreal radius) {
    const QPainterPath path = smoothOpen(stalk);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(9));
    p.drawPath(path);
    p.setPen(QPen(kBlob, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();

    // A soft glow round the bobble.
    QRadialGradient glow(tip, radius * 1.8);
    glow.setColorAt(0.0, QColor(0xff, 0xf0, 0x80, 160));
    glow.setColorAt(1.0, QColor(0xff, 0xf0, 0x80, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(tip, radius * 1.8, radius * 1.8);
    p.restore();

    QPainterPath ball;
    ball.addEllipse(tip, radius, radius);
    fillOutlined(
        p, ball,
        litGradient(ball.boundingRect(), QColor(0xff, 0xfc, 0xe0), kGlow, QColor(0xf0, 0x9c, 0x1c)),
        3.5);
}

void drawFoot(QPainter& p, const QPointF& centre, qreal tilt) {
    p.save();
    p.translate(centre);
    p.rotate(tilt);
    QPainterPath foot;
    foot.addEllipse(QPointF(0, 0), 19, 11);
    fillOutlined(p, foot,
                 verticalGradient(QRectF(-19, -11, 38, 22), QColor(0xff, 0xd8, 0x80), kFootDark),
                 kOutline);
    p.restore();
}

} // namespace

void drawBazzle(QPainter& p) {
    // Mid-hop: the shadow sits a little way below.
    drawGroundShadow(p, QRectF(38, 218, 140, 14));

    drawSpeedLine(p, {198, 92}, {222, 92}, 5);
    drawSpeedLine(p, {204, 116}, {224, 116}, 5);
    drawSpeedLine(p, {206, 172}, {222, 172}, 5);

    // Everything but the shadow leans forward a little, pivoting on the feet.
    p.save();
    p.translate(114, 204);
    p.rotate(-8);
    p.translate(-108, -204);

    drawAntenna(p, {{92, 56}, {96, 32}, {116, 19}, {136, 20}}, {140, 21}, 10);
    drawAntenna(p, {{128, 60}, {148, 38}, {172, 30}, {190, 36}}, {194, 38}, 11);

    // Stubby arms: one reaching ahead, one swinging back.
    drawLimb(p, {{46, 136}, {28, 124}, {20, 114}}, 14, kBlob, kOutline);
    drawLimb(p, {{160, 150}, {184, 160}, {196, 156}}, 14, kBlob, kOutline);

    // Feet tucked up for the bounce.
    drawFoot(p, {78, 200}, -14);
    drawFoot(p, {140, 202}, 10);

    // The blob itself, leaning into the run.
    QPainterPath body = smoothClosed({{100, 42},
                                      {56, 62},
                                      {32, 112},
                                      {34, 164},
                                      {70, 198},
                                      {120, 202},
                                      {164, 186},
                                      {180, 138},
                                      {168, 84},
                                      {140, 52}});
    const QRectF bodyBox = body.boundingRect();
    fillOutlined(p, body, litGradient(bodyBox, kBlobLight, kBlob, kBlobDark), 0);
    p.save();
    p.setClipPath(body);
    QPainterPath belly;
    belly.addEllipse(QRectF(46, 140, 112, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(verticalGradient(belly.boundingRect(), kBelly, QColor(0xc8, 0xa4, 0xf0)));
    p.drawPath(belly);
    // Freckles on the back.
    p.setBrush(QColor(0xd8, 0xb8, 0xff));
    for (const auto& [c, r] : {std::pair{QPointF(160, 96), 6.0},
                               {QPointF(150, 76), 4.0},
                               {QPointF(168, 118), 4.0},
                               {QPointF(140, 120), 3.0}}) {
        p.drawEllipse(c, r, r);
    }
    // Shine on the top.
    p.setBrush(QColor(255, 255, 255, 150));
    p.translate(70, 66);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 16, 7);
    p.restore();
    p.setPen(inkPen(kOutline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);

    // The face sits towards the front (left) of the blob.
    p.translate(-8, 0);
    drawBlush(p, {50, 140}, 12, 8);
    drawBlush(p, {152, 136}, 12, 8);
    drawEye(p, {72, 100}, 20, 25, 4, {-0.6, 0.05});
    drawEye(p, {122, 96}, 22, 27, 4, {-0.55, 0.05});

    // Big open smile with a tooth and a tongue.
    QPainterPath mouth;
    mouth.moveTo(62, 138);
    mouth.cubicTo(82, 146, 112, 146, 134, 136);
    mouth.cubicTo(130, 164, 112, 176, 96, 176);
    mouth.cubicTo(78, 176, 64, 160, 62, 138);
    mouth.closeSubpath();
    drawOpenMouth(p, mouth,
                  {QColor(0x6e, 0x16, 0x3a), QColor(0xff, 0x7a, 0x9a), {100, 178}, 22, 13, 4},
                  [](QPainter& q) {
                      q.setBrush(Qt::white);
                      q.drawRoundedRect(QRectF(86, 136, 16, 13), 3, 3);
                  });
    p.restore();
}

} // namespace art
