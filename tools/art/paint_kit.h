// Shared drawing helpers for the Zoomkin artwork: ink outlines, shaded fills,
// eyes, limbs, speed lines and dust puffs. Every creature is built from these
// so the four racers share one look.
#pragma once

#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <functional>
#include <initializer_list>

namespace art {

// The dark outline colour used for every creature.
inline const QColor kInk{0x2a, 0x1e, 0x3c};

// A round-capped, round-joined pen in ink colour.
QPen inkPen(qreal width);

// Fills a path with a brush, then draws its outline in ink.
void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal outline);

// A radial gradient lit from the upper left: light in the highlight, base in
// the middle and dark towards the rim.
QRadialGradient litGradient(const QRectF& bounds, const QColor& light, const QColor& base,
                            const QColor& dark);

// A vertical gradient from top colour to bottom colour across the bounds.
QLinearGradient verticalGradient(const QRectF& bounds, const QColor& top, const QColor& bottom);

// A limb: a thick round-capped stroke through the joints with an ink outline
// around it.
void drawLimb(QPainter& p, std::initializer_list<QPointF> joints, qreal thickness,
              const QColor& fill, qreal outline);

// A big friendly eye. `look` (each component -1..1) moves the pupil inside the
// white, so the creatures can look ahead to the left.
void drawEye(QPainter& p, const QPointF& centre, qreal rx, qreal ry, qreal outline,
             const QPointF& look = QPointF(-0.45, 0.0));

// An open mouth: dark inside, a tongue filling its lower part, anything `inside` adds (teeth)
// clipped to it, and its ink outline on top.
struct OpenMouth {
    QColor throat;
    QColor tongue;
    QPointF tongueCentre;
    qreal tongueRx;
    qreal tongueRy;
    qreal outline;
};
void drawOpenMouth(QPainter& p, const QPainterPath& mouth, const OpenMouth& look,
                   const std::function<void(QPainter&)>& inside = {});

// A soft blush on a cheek.
void drawBlush(QPainter& p, const QPointF& centre, qreal rx, qreal ry);

// A flat shadow on the ground under a runner.
void drawGroundShadow(QPainter& p, const QRectF& ellipse);

// Speed lines streaming out to the right of a runner.
void drawSpeedLine(QPainter& p, const QPointF& from, const QPointF& to, qreal width);

// A small puff of dust kicked up behind a foot.
void drawDustPuff(QPainter& p, const QPointF& centre, qreal radius, qreal outline);

// An ellipse whose rim is a ring of bumps, for fur and fluff.
QPainterPath fluffyEllipse(const QRectF& bounds, int bumps, qreal depth);

// A closed smooth curve through the points (Catmull-Rom turned into cubics).
QPainterPath smoothClosed(std::initializer_list<QPointF> points);

// An open smooth curve through the points.
QPainterPath smoothOpen(std::initializer_list<QPointF> points);

// Sets up a painter for artwork: smooth, antialiased edges.
void prepare(QPainter& p);

} // namespace art
