#pragma once
// Finds Form2's controls by their stored names and moves the pointer over them as a player would.

#include "form2.h"
#include "image_control.h"
#include "option_button.h"

#include <QLabel>
#include <QTest>
#include <QWindow>

namespace testing {

class Form2Probe {
public:
    explicit Form2Probe(window::Form2& form) : form_(form) {}

    template <typename Control = QWidget> Control* find(const char* name) const {
        auto* control = form_.findChild<Control*>(QLatin1String(name));
        if (!control)
            qFatal("Form2 has no control named %s", name);
        return control;
    }
    window::OptionButton* option(const char* name) const {
        return find<window::OptionButton>(name);
    }
    QLabel* label(const char* name) const { return find<QLabel>(name); }
    window::ImageControl* image(const char* name) const { return find<window::ImageControl>(name); }
    QWidget* client() const { return form_.centralWidget(); }
    QAction* menu(const char* name) const { return find<QAction>(name); }

    // A pointer move with no button held, at a point of the client area, delivered through the
    // window so that Qt picks the widget under it.
    void moveTo(QPoint clientPoint) const {
        QTest::mouseMove(form_.windowHandle(), client()->mapTo(&form_, clientPoint));
    }
    void moveOnto(const QWidget& control) const { moveTo(control.geometry().center()); }

    // What the boxes must say for the racers where they stand now, given who is backed.
    QStringList expectedBoxes() const {
        static const char* const images[] = {"imgDorvit", "imgMarnox", "imgRufta", "imgBazzle"};
        static const char* const options[] = {"optDor", "optMar", "optRuf", "optBzl"};
        QStringList finishers;
        for (int i = 0; i < 4; ++i) {
            if (image(images[i])->left() > 0)
                continue;
            const window::OptionButton* backing = option(options[i]);
            finishers << (backing->value()
                              ? QStringLiteral("You won the Zoomkin Race!")
                              : backing->text() + QLatin1String(" won the Zoomkin Race!"));
        }
        return finishers.size() == 4 ? QStringList{QStringLiteral("The Zoomkin Race is a tie!")}
                                     : finishers;
    }

private:
    window::Form2& form_;
};

} // namespace testing
