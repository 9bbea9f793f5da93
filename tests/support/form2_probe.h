#pragma once
// Finds Form2's controls as the stored description and the roster name them, and moves the
// pointer over them as a player would. Tests take names, texts and places from here, never
// retyped: only the layout test spells them out, as the check.

#include "form2.h"
#include "form_description.h"
#include "image_control.h"
#include "option_button.h"
#include "roster.h"
#include "window_layout.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <string_view>

namespace testing {

inline QString text(std::string_view view) {
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

// Shows the window and waits until it is on screen; false if it never gets there.
inline bool shown(QWidget& form) {
    form.show();
    return QTest::qWaitForWindowExposed(&form);
}

// A control as stored, by name.
inline const window::ControlDescription& stored(std::string_view name) {
    const auto controls = window::form2Description().controls;
    const auto found = std::find_if(controls.begin(), controls.end(),
                                    [name](const auto& control) { return control.name == name; });
    if (found == controls.end())
        qFatal("Form2 stores no control named %s", std::string(name).c_str());
    return *found;
}

// Where a control is stored, in pixels of the client area.
inline QRect storedPixels(std::string_view name) {
    return window::pixelRect(stored(name));
}

// A racer's full-size picture, by roster position 1 to 4, as the resource path its control stores.
inline QString storedArt(int racer) {
    return text(stored(race::racer(racer).image).caption);
}

// The prompt: the control first in tab order, before the options it labels.
inline const window::ControlDescription& storedPrompt() {
    const auto controls = window::form2Description().controls;
    return *std::min_element(controls.begin(), controls.end(), [](const auto& a, const auto& b) {
        return unsigned(a.tabIndex) < unsigned(b.tabIndex); // -1, no tab stop, sorts last
    });
}

class Form2Probe {
public:
    explicit Form2Probe(window::Form2& form) : form_(form) {}

    template <typename Control = QWidget> Control* find(std::string_view name) const {
        auto* control = form_.findChild<Control*>(text(name));
        if (!control)
            qFatal("Form2 has no control named %s", std::string(name).c_str());
        return control;
    }
    QWidget* client() const { return form_.centralWidget(); }

    // A racer's controls, by roster position 1 to 4.
    window::OptionButton* option(int racer) const {
        return find<window::OptionButton>(race::racer(racer).option);
    }
    QLabel* cheer(int racer) const { return find<QLabel>(race::racer(racer).cheerLabel); }
    window::ImageControl* image(int racer) const {
        return find<window::ImageControl>(race::racer(racer).image);
    }
    QLabel* prompt() const { return find<QLabel>(storedPrompt().name); }

    // The menu entries, in their stored order: Race, then Go and Quit in its drop-down.
    QAction* raceMenu() const { return menu(0); }
    QAction* go() const { return menu(1); }
    QAction* quit() const { return menu(2); }

    // A pointer move with no button held, at a point of the client area, delivered through the
    // window so that Qt picks the widget under it.
    void moveTo(QPoint clientPoint) const {
        QTest::mouseMove(form_.windowHandle(), client()->mapTo(&form_, clientPoint));
    }
    void moveOnto(const QWidget& control) const { moveTo(control.geometry().center()); }

    // Points of the bare window, where no control is and no racer ever runs; n picks one of
    // several, so that a move between two of them is a real move.
    QPoint bareSpot(int n = 0) const {
        const layout::Spot spot = layout::bareSpot(window::form2Description());
        return {spot.x, spot.y + 16 * n};
    }

    // What the boxes must say for the racers where they stand now, given who is backed.
    QStringList expectedBoxes() const {
        QStringList finishers;
        for (int racer = 1; racer <= race::kRacerCount; ++racer) {
            if (image(racer)->left() > 0)
                continue;
            finishers << text(option(racer)->value() ? race::kYouWon
                                                     : race::racer(racer).winMessage);
        }
        return finishers.size() == race::kRacerCount ? QStringList{text(race::kTie)} : finishers;
    }

private:
    QAction* menu(std::size_t index) const {
        return find<QAction>(window::form2Description().menus[index].name);
    }

    window::Form2& form_;
};

} // namespace testing
