#pragma once

namespace app {

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
