#pragma once

#include <QFont>
#include <QStringView>

namespace runtime {

// A font of the stored window. Families that Linux desktops lack are drawn in a free face with
// matching metrics, so every stored caption still fits its control.
QFont makeFont(QStringView family, double pointSize, int weight);

} // namespace runtime
