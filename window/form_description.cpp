#include "form_description.h"

#include "roster.h"

#include <array>

namespace window {
namespace {

using runtime::kCaptionText;
using runtime::kHighlightText;
using runtime::kWindowBackground;
using runtime::kWindowText;

constexpr FontDescription kCaptionFont{"MS Sans Serif", 9.75, 400};
constexpr FontDescription kDefaultFont{"MS Sans Serif", 8.0, 400};

constexpr ControlDescription option(int racer, int left, int width) {
    const race::Racer& r = race::kRoster[static_cast<std::size_t>(racer - 1)];
    return {r.option, ControlKind::OptionButton, r.name,      left,        0, width, 255, racer,
            true,     kWindowBackground,         kWindowText, kCaptionFont};
}

constexpr ControlDescription cheer(int racer, int left, int width) {
    const race::Racer& r = race::kRoster[static_cast<std::size_t>(racer - 1)];
    return {r.cheerLabel, ControlKind::Label, r.cheer, left,         240,          width,
            255,          racer + 4,          false,   std::nullopt, std::nullopt, std::nullopt};
}

constexpr ControlDescription picture(int racer, std::string_view file, int left, int top, int width,
                                     int height) {
    const race::Racer& r = race::kRoster[static_cast<std::size_t>(racer - 1)];
    return {r.image, ControlKind::Image, file,         left,        top, width, height, -1,
            true,    std::nullopt,       std::nullopt, std::nullopt};
}

constexpr std::array kControls{
    ControlDescription{"Label1", ControlKind::Label, "Select your Zoomkin...", 0, 0, 2055, 255, 0,
                       true, kCaptionText, std::nullopt, kCaptionFont},
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

constexpr FormDescription kForm2{"Form2",      "Zoomkin Race!", 9585,
                                 6960,         kHighlightText,  ":/assets/zoomkin-race.ico",
                                 kDefaultFont, kControls,       kMenus};

} // namespace

const FormDescription& form2Description() {
    return kForm2;
}

} // namespace window
