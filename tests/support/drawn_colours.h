#pragma once
// What a player sees of a control's colours: measured in the pixels of a grabbed window, never
// in its palette.

#include "ole_color.h"

#include <QHash>
#include <QImage>
#include <QWidget>

namespace testing {

struct Drawn {
    QColor background; // the commonest colour in the rectangle
    QColor text;       // of the rest, the colour that stands out most from it
    double contrast;   // between the two
    QHash<QRgb, int> counts;
    QRect ink; // where anything but the background is drawn, in device pixels of the rectangle

    // pixels that are not a grey: the edges of black text on white are all greys
    int colouredPixels() const {
        return count([](QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); });
    }
    // pixels where red clearly leads: any trace of a red caption
    int redPixels() const {
        return count([](QRgb c) { return qRed(c) - qMax(qGreen(c), qBlue(c)) > 64; });
    }
    template <typename Test> int count(Test test) const {
        int total = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            total += test(it.key()) ? it.value() : 0;
        return total;
    }
};

// The whole top-level window as it is drawn now.
inline QImage grabWindow(QWidget& widget) {
    return widget.window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What is drawn in a rectangle of a control (in its own coordinates) on its grabbed window.
inline Drawn drawnIn(const QImage& grabbed, const QWidget& control, const QRect& rect) {
    const qreal ratio = grabbed.devicePixelRatio();
    const QRect logical(control.mapTo(control.window(), rect.topLeft()), rect.size());
    const QRect pixels =
        QRect(QPoint(qRound(logical.left() * ratio), qRound(logical.top() * ratio)),
              QSize(qRound(logical.width() * ratio), qRound(logical.height() * ratio)))
            .intersected(grabbed.rect());
    Drawn drawn{{}, {}, 1.0, {}, {}};
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++drawn.counts[grabbed.pixel(x, y)];
    QRgb commonest = 0;
    for (auto it = drawn.counts.cbegin(); it != drawn.counts.cend(); ++it)
        if (it.value() > drawn.counts.value(commonest))
            commonest = it.key();
    drawn.background = QColor(commonest);
    drawn.text = drawn.background;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            if (grabbed.pixel(x, y) != commonest)
                drawn.ink |= QRect(x - pixels.left(), y - pixels.top(), 1, 1);
    for (auto it = drawn.counts.cbegin(); it != drawn.counts.cend(); ++it) {
        const double contrast = runtime::contrastRatio(QColor(it.key()), drawn.background);
        if (contrast > drawn.contrast) {
            drawn.contrast = contrast;
            drawn.text = QColor(it.key());
        }
    }
    return drawn;
}

inline Drawn drawnIn(const QImage& grabbed, const QWidget& control) {
    return drawnIn(grabbed, control, control.rect());
}

} // namespace testing
