#pragma once

#include "ole_color.h"

#include <QRect>
#include <QSize>

#include <optional>
#include <span>
#include <string_view>

namespace window {

enum class ControlKind { Label, OptionButton, Image };

struct FontDescription {
    std::string_view family;
    double pointSize;
    int weight; // 400 is regular
};

// One control as stored: positions and sizes in twips from the client area's top-left corner.
struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view caption; // an image's picture, as a resource path
    int left;
    int top;
    int width;
    int height;
    int tabIndex; // -1: never takes the focus
    bool visible;
    std::optional<runtime::OleColor> backColor = {}; // none: drawn over the window
    std::optional<runtime::OleColor> foreColor = {};
    std::optional<FontDescription> font = {}; // none: the default control font
    std::string_view accessibleName = {};     // what a screen reader calls a control without text
};

struct MenuDescription {
    std::string_view name;
    std::string_view caption; // & marks the access key
    int level;                // 0 on the menu bar, 1 in the drop-down of the entry above
};

struct FormDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    runtime::OleColor backColor;
    std::string_view icon;
    FontDescription defaultFont;
    std::span<const ControlDescription> controls;
    std::span<const MenuDescription> menus;
};

// The game's one window, as it is built at start-up.
const FormDescription& form2Description();

// Where a control is stored, and how large the client area is, in device-independent pixels.
QRect pixelRect(const ControlDescription& control);
QSize clientPixelSize(const FormDescription& form);

} // namespace window
