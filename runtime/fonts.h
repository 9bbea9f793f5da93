#pragma once

#include <QFont>
#include <QStringView>

namespace runtime {

// A font of the stored window. The classic sans face is drawn in the face the game brings, with
// the same widths on every platform, so every stored caption fits its control.
QFont makeFont(QStringView family, double pointSize, int weight);

} // namespace runtime
