#include "ole_color.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace runtime {
namespace {

constexpr OleColor kSchemeBit = 0x80000000;

enum class Use { Paper, Ink };

// The scheme colours the window stores, and what each becomes on the player's desktop.
// On the desktop the game was drawn for, 5, 9 and 14 are one white and 8 is black: a white page
// with black writing. Desktops' schemes do not keep them so: a dark scheme pairs a dark Base with
// light highlight and caption text, so each colour taken on its own cuts the window into patches
// and writes light text on light paper. So every stored background is the window's own colour,
// the scheme's highlight text (14), and every stored text is the ink that reads on it.
constexpr std::array<std::pair<std::uint32_t, Use>, 4> kSchemeColours{{
    {5, Use::Paper},  // window background: behind the option buttons
    {8, Use::Ink},    // window text: the option captions
    {9, Use::Paper},  // caption text: behind the prompt
    {14, Use::Paper}, // highlight text: the window itself
}};

double channel(double value) {
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& color) {
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

} // namespace

Surface surfaceOf(const QPalette& desktop) {
    const QColor paper = desktop.color(QPalette::HighlightedText);
    // The ink is one of the scheme's reading pair, Text on Base, whichever reads on the paper:
    // Text on a light scheme (black on white, as stored); Base on a dark one, whose highlight text
    // is as light as its Text. A scheme whose highlight text were a middle grey would leave both
    // short of easy reading; no scheme we know of has one.
    const QColor text = desktop.color(QPalette::Text);
    const QColor base = desktop.color(QPalette::Base);
    return {paper, contrastRatio(base, paper) > contrastRatio(text, paper) ? base : text};
}

QColor toQColor(OleColor color, const QPalette& desktop) {
    if (color & kSchemeBit) {
        const auto index = color & 0xFF;
        const auto* found =
            std::find_if(kSchemeColours.begin(), kSchemeColours.end(),
                         [index](const auto& entry) { return entry.first == index; });
        const Surface surface = surfaceOf(desktop);
        // a scheme colour the game does not know is written like any text
        return found != kSchemeColours.end() && found->second == Use::Paper ? surface.paper
                                                                            : surface.ink;
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

QPalette surfacePalette(const QPalette& desktop) {
    const Surface surface = surfaceOf(desktop);
    QPalette palette = desktop;
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, surface.paper);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, surface.ink);
    return palette;
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace runtime
