#include "form_description.h"

#include "roster.h"
#include "twips.h"

#include <array>

namespace window {
namespace {

using runtime::kCaptionText;
using runtime::kHighlightText;
using runtime::kWindowBackground;
using runtime::kWindowText;

constexpr FontDescription kCaptionFont{"MS Sans Serif", 9.75, 400};
constexpr FontDescription kDefaultFont{"MS Sans Serif", 8.0, 400};

using race::racer;

constexpr ControlDescription option(int position, int left, int width) {
    return {.name = racer(position).option,
            .kind = ControlKind::OptionButton,
            .caption = racer(position).name,
            .left = left,
            .top = 0,
            .width = width,
            .height = 255,
            .tabIndex = position,
            .visible = true,
            .backColor = kWindowBackground,
            .foreColor = kWindowText,
            .font = kCaptionFont};
}

// A cheer has no font or colours of its own: it shows in the default font, over the window.
constexpr ControlDescription cheer(int position, int left, int width) {
    return {.name = racer(position).cheerLabel,
            .kind = ControlKind::Label,
            .caption = racer(position).cheer,
            .left = left,
            .top = 240,
            .width = width,
            .height = 255,
            .tabIndex = position + 4,
            .visible = false};
}

constexpr ControlDescription picture(int position, std::string_view file, int left, int top,
                                     int width, int height) {
    return {.name = racer(position).image,
            .kind = ControlKind::Image,
            .caption = file,
            .left = left,
            .top = top,
            .width = width,
            .height = height,
            .tabIndex = -1,
            .visible = true,
            .accessibleName = racer(position).name};
}

constexpr std::array kControls{
    ControlDescription{.name = "Label1",
                       .kind = ControlKind::Label,
                       .caption = "Select your Zoomkin...",
                       .left = 0,
                       .top = 0,
                       .width = 2055,
                       .height = 255,
                       .tabIndex = 0,
                       .visible = true,
                       .backColor = kCaptionText,
                       .font = kCaptionFont},
    option(1, 2160, 1095),
    option(2, 4440, 975),
    option(3, 6600, 855),
    option(4, 8400, 1215),
    cheer(1, 2160, 1695),
    cheer(2, 4080, 1695),
    cheer(3, 6480, 1215),
    cheer(4, 8640, 735),
    picture(1, ":/assets/dorvit.bmp", 6120, 720, 1635, 1455),
    picture(2, ":/assets/marnox.bmp", 6120, 2280, 1620, 1545),
    picture(3, ":/assets/rufta.bmp", 6120, 3840, 1605, 1365),
    picture(4, ":/assets/bazzle.bmp", 6240, 5280, 1485, 1605),
};

constexpr std::array kMenus{
    MenuDescription{"mnuRc", "&Race", 0},
    MenuDescription{"mnuGo", "&Go", 1},
    MenuDescription{"mnuQit", "&Quit", 1},
};

// The 32 x 32 sixteen-colour icon. Desktops find the larger sizes of the same design among the
// installed theme icons; loading them here too cost a fifth of the start-up.
constexpr std::string_view kIcon = ":/assets/zoomkin-race-32.png";

// clang-format off
constexpr FormDescription kForm2{
    "Form2", "Zoomkin Race!", 9585, 6960, kHighlightText, kIcon, kDefaultFont, kControls, kMenus};
// clang-format on

} // namespace

const FormDescription& form2Description() {
    return kForm2;
}

QRect pixelRect(const ControlDescription& control) {
    using runtime::twipsToPixels;
    return {twipsToPixels(control.left), twipsToPixels(control.top), twipsToPixels(control.width),
            twipsToPixels(control.height)};
}

QSize clientPixelSize(const FormDescription& form) {
    return {runtime::twipsToPixels(form.clientWidth), runtime::twipsToPixels(form.clientHeight)};
}

} // namespace window
