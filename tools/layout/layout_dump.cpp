// Prints the window's layout as the game builds it, for the tools that drive or watch the game
// from outside (the end-to-end test, the demo, the screenshots, the start-up benchmark), so that
// none of them retypes a control's name, caption or place. One fact a line, tab-separated:
//
//   title     TITLE                          the window's caption
//   app       NAME                           the program's name, also every message box's title
//   client    WIDTH HEIGHT                   the client area in pixels
//   bare      X Y                            a spot of bare window (see window_layout.h)
//   start     X                              where every picture waits after a race, in pixels
//   control   ROLE NAME X Y W H CAPTION      ROLE: prompt, option/cheer/picture N (roster N),
//                                            or other
//   racer     N NAME WIN_MESSAGE             the roster, in order
//   announce  you|tie TEXT                   the other two announcements
//   menu      NAME LEVEL KEY CAPTION         KEY: the access key; CAPTION without its &
#include "race_run.h"
#include "roster.h"
#include "twips.h"
#include "window_layout.h"

#include "app_identity.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <string_view>

namespace {

void line(std::initializer_list<std::string_view> fields) {
    std::string text;
    for (std::string_view field : fields) {
        if (!text.empty())
            text += '\t';
        text += field;
    }
    std::puts(text.c_str());
}

std::string number(int value) {
    return std::to_string(value);
}

// What a control is to the game: a racer's, or the prompt, first in tab order.
std::string role(const window::ControlDescription& control) {
    for (int r = 1; r <= race::kRacerCount; ++r) {
        const race::Racer& racer = race::racer(r);
        if (control.name == racer.option)
            return "option " + number(r);
        if (control.name == racer.cheerLabel)
            return "cheer " + number(r);
        if (control.name == racer.image)
            return "picture " + number(r);
    }
    return control.tabIndex == 0 ? "prompt" : "other";
}

} // namespace

int main() {
    const window::FormDescription& form = window::form2Description();
    line({"title", form.caption});
    line({"app", runtime::kApplicationTitle.toStdString()});
    const QSize client = window::clientPixelSize(form);
    line({"client", number(client.width()), number(client.height())});
    const layout::Spot bare = layout::bareSpot(form);
    line({"bare", number(bare.x), number(bare.y)});
    line({"start", number(runtime::twipsToPixels(race::kStartLine))});
    for (const window::ControlDescription& control : form.controls) {
        const QRect r = window::pixelRect(control);
        line({"control", role(control), control.name, number(r.x()), number(r.y()),
              number(r.width()), number(r.height()), control.caption});
    }
    for (int r = 1; r <= race::kRacerCount; ++r)
        line({"racer", number(r), race::racer(r).name, race::racer(r).winMessage});
    line({"announce", "you", race::kYouWon});
    line({"announce", "tie", race::kTie});
    for (const window::MenuDescription& menu : form.menus) {
        std::string caption;
        std::string key;
        for (std::size_t i = 0; i < menu.caption.size(); ++i) {
            if (menu.caption[i] == '&' && i + 1 < menu.caption.size())
                key = static_cast<char>(
                    std::tolower(static_cast<unsigned char>(menu.caption[i + 1])));
            else
                caption += menu.caption[i];
        }
        line({"menu", menu.name, number(menu.level), key, caption});
    }
    return 0;
}
