#pragma once

#include <QString>

namespace runtime {

// Caption of every message box, and the program's name on the desktop.
inline const QString kApplicationTitle = QStringLiteral("ZoomkinRace!");
inline const QString kApplicationVersion = QStringLiteral("1.00");
// The desktop entry's id, which desktops use to tie the window to its entry and icon.
inline const QString kDesktopFileName = QStringLiteral("org.zoomkinrace.ZoomkinRace");

} // namespace runtime
