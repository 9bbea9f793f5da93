#pragma once

#include "ole_color.h"

#include <QRadioButton>

namespace window {

// An option button: the player backs a racer with it. Its pointer moves stop here, so a move
// over it never reaches the window beneath.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(QWidget* parent);

    runtime::OleColor foreColor() const;
    void setForeColor(runtime::OleColor color);
    bool value() const { return isChecked(); }

protected:
    // The whole stored rectangle is the button, not just its circle and caption.
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace window
