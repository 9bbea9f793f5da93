#pragma once

#include <QString>

namespace app {

// What differs between the desktops the game runs on, one small function each. The one for this
// desktop is chosen when the game is built: desktop_posix.cpp or desktop_windows.cpp.

// True when Qt has somewhere to open the window: on Linux a display named in the environment (X11
// or Wayland, or a platform in QT_QPA_PLATFORM); Windows always has its desktop.
bool hasDisplay();

// Tells the player why the game cannot start: on standard error on Linux, where the terminal or
// the launcher's log shows it; in a message box on Windows, where nobody sees standard error.
void tellPlayer(const QString& why);

} // namespace app
