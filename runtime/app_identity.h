#pragma once

#include <QString>

namespace runtime {

// Caption of every message box, and the program's name on the desktop.
inline const QString kApplicationTitle = QStringLiteral("ZoomkinRace!");
inline const QString kApplicationVersion = QStringLiteral("1.00");

} // namespace runtime
