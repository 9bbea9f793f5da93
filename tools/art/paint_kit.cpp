#include "paint_kit.h"

#include <QLinearGradient>
#include <QPen>
#include <QRadialGradient>
#include <QtMath>
#include <vector>

namespace art {

QPen inkPen(qreal width) {
    QPen pen(kInk, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void fillOutlined(QPainter& p, const QPainterPath& path, const QBrush& fill, qreal outline) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
    if (outline > 0) {
        p.setPen(inkPen(outline));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();
}

QRadialGradient litGradient(const QRectF& bounds, const QColor& light, const QColor& base,
                            const QColor& dark) {
    const qreal radius = 0.62 * std::max(bounds.width(), bounds.height());
    const QPointF focus(bounds.left() + 0.34 * bounds.width(),
                        bounds.top() + 0.28 * bounds.height());
    QRadialGradient g(bounds.center(), radius, focus);
    g.setColorAt(0.0, light);
    g.setColorAt(0.45, base);
    g.setColorAt(1.0, dark);
    return g;
}

QLinearGradient verticalGradient(const QRectF& bounds, const QColor& top, const QColor& bottom) {
    QLinearGradient g(bounds.topLeft(), bounds.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    return g;
}

void drawLimb(QPainter& p, std::initializer_list<QPointF> joints, qreal thickness,
              const QColor& fill, qreal outline) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& j : joints) {
        if (first)
            path.moveTo(j);
        else
            path.lineTo(j);
        first = false;
    }
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(inkPen(thickness + 2 * outline));
    p.drawPath(path);
    QPen inner(fill, thickness);
    inner.setCapStyle(Qt::RoundCap);
    inner.setJoinStyle(Qt::RoundJoin);
    p.setPen(inner);
    p.drawPath(path);
    p.restore();
}

void drawEye(QPainter& p, const QPointF& centre, qreal rx, qreal ry, qreal outline,
             const QPointF& look) {
    const QRectF white(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    QPainterPath sclera;
    sclera.addEllipse(white);
    fillOutlined(p, sclera,
                 verticalGradient(white, QColor(0xff, 0xff, 0xff), QColor(0xe4, 0xe8, 0xf4)),
                 outline);

    const qreal prx = rx * 0.58;
    const qreal pry = ry * 0.64;
    const QPointF pc(centre.x() + look.x() * (rx - prx - outline * 0.3),
                     centre.y() + look.y() * (ry - pry - outline * 0.3));
    const QRectF pupil(pc.x() - prx, pc.y() - pry, 2 * prx, 2 * pry);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(litGradient(pupil, QColor(0x4a, 0x3c, 0x6a), QColor(0x22, 0x18, 0x36),
                           QColor(0x10, 0x0a, 0x1c)));
    p.drawEllipse(pupil);
    p.setBrush(Qt::white);
    const qreal h = std::min(prx, pry);
    p.drawEllipse(QPointF(pc.x() - prx * 0.32, pc.y() - pry * 0.38), h * 0.42, h * 0.42);
    p.drawEllipse(QPointF(pc.x() + prx * 0.38, pc.y() + pry * 0.36), h * 0.2, h * 0.2);
    p.restore();
}

void drawBlush(QPainter& p, const QPointF& centre, qreal rx, qreal ry) {
    QRadialGradient g(centre, std::max(rx, ry));
    g.setColorAt(0.0, QColor(0xff, 0x6f, 0x91, 170));
    g.setColorAt(0.6, QColor(0xff, 0x6f, 0x91, 110));
    g.setColorAt(1.0, QColor(0xff, 0x6f, 0x91, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, rx, ry);
    p.restore();
}

void drawGroundShadow(QPainter& p, const QRectF& ellipse) {
    const qreal r = ellipse.width() / 2;
    QRadialGradient g(QPointF(0, 0), r);
    g.setColorAt(0.0, QColor(0x9a, 0x96, 0xb0, 150));
    g.setColorAt(0.7, QColor(0x9a, 0x96, 0xb0, 90));
    g.setColorAt(1.0, QColor(0x9a, 0x96, 0xb0, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    // Squash a circle into the ellipse so the gradient follows its shape.
    p.translate(ellipse.center());
    p.scale(1.0, ellipse.height() / ellipse.width());
    p.drawEllipse(QPointF(0, 0), r, r);
    p.restore();
}

void drawSpeedLine(QPainter& p, const QPointF& from, const QPointF& to, qreal width) {
    p.save();
    QPen pen(QColor(0x9c, 0xa8, 0xc8), width);
    pen.setCapStyle(Qt::RoundCap);
    p.setPen(pen);
    p.drawLine(from, to);
    p.restore();
}

void drawDustPuff(QPainter& p, const QPointF& centre, qreal radius, qreal outline) {
    QPainterPath puff;
    puff.addEllipse(centre, radius, radius * 0.85);
    puff.addEllipse(centre + QPointF(radius * 0.9, radius * 0.25), radius * 0.7, radius * 0.62);
    puff.addEllipse(centre + QPointF(-radius * 0.75, radius * 0.35), radius * 0.6, radius * 0.52);
    puff.setFillRule(Qt::WindingFill);
    puff = puff.simplified();
    p.save();
    p.setPen(QPen(QColor(0xb4, 0xac, 0xa0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf1, 0xec, 0xe2));
    p.drawPath(puff);
    p.restore();
}

QPainterPath fluffyEllipse(const QRectF& bounds, int bumps, qreal depth) {
    const QPointF c = bounds.center();
    const qreal rx = bounds.width() / 2;
    const qreal ry = bounds.height() / 2;
    auto at = [&](qreal angle, qreal grow) {
        return QPointF(c.x() + (rx + grow) * std::cos(angle),
                       c.y() + (ry + grow) * std::sin(angle));
    };
    QPainterPath path;
    path.moveTo(at(0, 0));
    for (int i = 0; i < bumps; ++i) {
        const qreal a0 = 2 * M_PI * i / bumps;
        const qreal a1 = 2 * M_PI * (i + 1) / bumps;
        const qreal am = (a0 + a1) / 2;
        path.quadTo(at(am, 2 * depth), at(a1, 0));
    }
    path.closeSubpath();
    return path;
}

namespace {

QPainterPath catmullRom(const std::vector<QPointF>& pts, bool closed) {
    QPainterPath path;
    const int n = static_cast<int>(pts.size());
    if (n < 2)
        return path;
    auto pt = [&](int i) {
        if (closed)
            return pts[((i % n) + n) % n];
        return pts[std::clamp(i, 0, n - 1)];
    };
    path.moveTo(pts[0]);
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = pt(i - 1), p1 = pt(i), p2 = pt(i + 1), p3 = pt(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

} // namespace

QPainterPath smoothClosed(std::initializer_list<QPointF> points) {
    return catmullRom(std::vector<QPointF>(points), true);
}

QPainterPath smoothOpen(std::initializer_list<QPointF> points) {
    return catmullRom(std::vector<QPointF>(points), false);
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

void drawOpenMouth(QPainter& p, const QPainterPath& mouth, const OpenMouth& look,
                   const std::function<void(QPainter&)>& inside) {
    fillOutlined(p, mouth, look.throat, 0);
    p.save();
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(look.tongue);
    p.drawEllipse(look.tongueCentre, look.tongueRx, look.tongueRy);
    if (inside)
        inside(p);
    p.restore();
    p.setPen(inkPen(look.outline));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

} // namespace art
