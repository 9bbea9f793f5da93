#include "ole_color.h"

#include <algorithm>
#include <array>
#include <utility>

namespace runtime {
namespace {

constexpr OleColor kSchemeBit = 0x80000000;

// The desktop scheme colours the game uses, and where Qt's palette keeps their counterparts.
constexpr std::array<std::pair<std::uint32_t, QPalette::ColorRole>, 4> kSchemeRoles{{
    {5, QPalette::Base},             // window background: behind text and option buttons
    {8, QPalette::Text},             // window text
    {9, QPalette::BrightText},       // caption text: light on the title bar's dark
    {14, QPalette::HighlightedText}, // highlight text: light on the selection's dark
}};

} // namespace

std::optional<QPalette::ColorRole> paletteRole(OleColor color) {
    if (!(color & kSchemeBit))
        return std::nullopt;
    const auto index = color & 0xFF;
    const auto* found = std::find_if(kSchemeRoles.begin(), kSchemeRoles.end(),
                                     [index](const auto& entry) { return entry.first == index; });
    if (found == kSchemeRoles.end())
        return std::nullopt;
    return found->second;
}

QColor toQColor(OleColor color, const QPalette& palette) {
    if (color & kSchemeBit)
        return palette.color(paletteRole(color).value_or(QPalette::Text));
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

} // namespace runtime
