// The four Zoomkins and the game icon. Each racer is drawn in its own picture's
// pixel units onto a white canvas, running towards the left edge.
#pragma once

#include <QPainter>
#include <QRgb>
#include <array>

namespace art {

void drawDorvit(QPainter& p); // 221 x 181
void drawMarnox(QPainter& p); // 220 x 191
void drawRufta(QPainter& p);  // 243 x 195
void drawBazzle(QPainter& p); // 227 x 235

// The icon is designed on a 256 x 256 board and scaled to `size` pixels.
// Small sizes get slightly heavier outlines so the shape still reads.
void drawIcon(QPainter& p, int size);

// The fixed 16 colours the small icon is reduced to.
std::array<QRgb, 16> iconPalette();

} // namespace art
