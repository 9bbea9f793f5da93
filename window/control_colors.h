#pragma once

#include "ole_color.h"

class QWidget;

namespace window {

// Draws the control's text in the colour.
void setForeColor(QWidget& control, runtime::OleColor color);
// Fills the control's background with the colour.
void setBackColor(QWidget& control, runtime::OleColor color);

} // namespace window
