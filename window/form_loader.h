#pragma once

#include "form_description.h"

class QMainWindow;
class QWidget;

namespace window {

// Builds a window from its description: the client area, every control under its stored name,
// the option group and the menus. Returns the client area, the surface the controls lie on.
QWidget* loadForm(QMainWindow& form, const FormDescription& description);

} // namespace window
