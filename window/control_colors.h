#pragma once

#include "ole_color.h"

#include <optional>

class QWidget;

namespace window {

// Draws the control's text in the colour.
void setForeColor(QWidget& control, runtime::OleColor color);
// Fills the control's background with the colour.
void setBackColor(QWidget& control, runtime::OleColor color);
// The colour last set on the control, if any.
std::optional<runtime::OleColor> foreColor(const QWidget& control);

// Paints the window's surface in the desktop's scheme, and again, with every control on it that
// has colours of its own, whenever the desktop's scheme changes while the game runs. (Controls
// paint themselves when their colours are set.) The surface must already lie in its window.
void followDesktopScheme(QWidget& surface);

} // namespace window
