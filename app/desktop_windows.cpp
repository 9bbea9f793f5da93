#include "desktop.h"

#include "app_identity.h"

#include <windows.h>

namespace app {

bool hasDisplay() {
    return true;
}

void tellPlayer(const QString& why) {
    const QString title = runtime::kApplicationTitle;
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(why.utf16()),
                reinterpret_cast<const wchar_t*>(title.utf16()), MB_OK | MB_ICONERROR);
}

void settleIn() {} // Windows has the game as it is

} // namespace app
