#pragma once
// Facts about the window's layout in pixels, worked out from its stored description, for what
// looks at the game from outside: the layout dump, the benchmarks' bare window and the tests.

#include "form_description.h"

#include <algorithm>

namespace layout {

// A spot of bare window in client pixels: no control is there and no racer ever runs there.
// Racers only ever move left from where they are stored, so it lies halfway between the right
// edge of the right-most picture and the window's, and halfway down below the top row.
struct Spot {
    int x;
    int y;
};
inline Spot bareSpot(const window::FormDescription& form) {
    int picturesRight = 0;
    int topRowBottom = 0;
    for (const window::ControlDescription& control : form.controls) {
        const QRect r = window::pixelRect(control);
        if (control.kind == window::ControlKind::Image)
            picturesRight = std::max(picturesRight, r.x() + r.width());
        else
            topRowBottom = std::max(topRowBottom, r.y() + r.height());
    }
    const QSize client = window::clientPixelSize(form);
    return {(picturesRight + client.width()) / 2, (topRowBottom + client.height()) / 2};
}

} // namespace layout
