#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace runtime {

// A colour as the window's description stores it: 0x00BBGGRR for a direct colour, or
// 0x800000nn for colour nn of the desktop's scheme.
using OleColor = std::uint32_t;

inline constexpr OleColor kRed = 0x000000FF;
inline constexpr OleColor kWindowBackground = 0x80000005;
inline constexpr OleColor kWindowText = 0x80000008;
inline constexpr OleColor kCaptionText = 0x80000009;
inline constexpr OleColor kHighlightText = 0x8000000E;

// The window's surface on the desktop's scheme: the paper it is painted in and the ink written
// on it.
struct Surface {
    QColor paper;
    QColor ink;
};
Surface surfaceOf(const QPalette& desktop);

// A stored colour on the desktop's scheme: a direct colour as it is, a scheme colour as the
// paper or the ink of the window's surface.
QColor toQColor(OleColor color, const QPalette& desktop);

// The desktop's palette for everything on the window's surface: backgrounds in its paper, texts
// in its ink, so that the controls' own parts (an option's circle) match the page they lie on.
QPalette surfacePalette(const QPalette& desktop);

// How far apart two colours read: the ratio of their relative luminances, 1 (none) to 21
// (black on white), as accessibility guidelines measure it.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace runtime
