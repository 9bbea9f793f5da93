#pragma once

#include <QString>

namespace app {

// What differs between the desktops the game runs on, one small function each. The one for this
// desktop is chosen when the game is built: desktop_posix.cpp, desktop_windows.cpp or, in a
// browser, desktop_web.cpp; Linux and a browser share tell_player_stderr.cpp.

// True when Qt has somewhere to open the window: on Linux a display named in the environment (X11
// or Wayland, or a platform in QT_QPA_PLATFORM); Windows always has its desktop, a browser its
// page.
bool hasDisplay();

// Tells the player why the game cannot start: on standard error on Linux, where the terminal or
// the launcher's log shows it; in a message box on Windows, where nobody sees standard error; in a
// browser on standard error, which the page shows.
void tellPlayer(const QString& why);

// Fits the game to where it runs, once its application exists. A desktop has it as it is: the menu
// bar and the boxes in the desktop's own font, as the player's other programs have them. In a
// browser they take the game's face, and the game's end ends the program (whose event loop never
// returns there), so that the page hears of it.
void settleIn();

} // namespace app
