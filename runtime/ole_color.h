#pragma once

#include <QColor>
#include <QPalette>

#include <cstdint>
#include <optional>

namespace runtime {

// A colour as the window's description stores it: 0x00BBGGRR for a direct colour, or
// 0x800000nn for colour nn of the desktop's scheme.
using OleColor = std::uint32_t;

inline constexpr OleColor kRed = 0x000000FF;
inline constexpr OleColor kWindowBackground = 0x80000005;
inline constexpr OleColor kWindowText = 0x80000008;
inline constexpr OleColor kCaptionText = 0x80000009;
inline constexpr OleColor kHighlightText = 0x8000000E;

// The palette role that stands for a scheme colour, or nothing for a colour we do not know.
std::optional<QPalette::ColorRole> paletteRole(OleColor color);

// Scheme colours are looked up in the given palette (the desktop's when the window is built); an
// unknown scheme colour falls back to the palette's text colour.
QColor toQColor(OleColor color, const QPalette& palette);

} // namespace runtime
