#pragma once

namespace app {

// True when Qt has somewhere to open the window: a platform named in QT_QPA_PLATFORM, or an X11
// or Wayland display.
bool hasDisplay();

// Until the returned guard is dropped, a display that cannot be opened ends the program with one
// clear line instead of Qt's abort.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

inline constexpr int kNoDisplayExitStatus = 2;

} // namespace app
