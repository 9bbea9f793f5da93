#include "option_button.h"

#include "control_colors.h"

namespace window {

OptionButton::OptionButton(QWidget* parent) : QRadioButton(parent) {
    setMouseTracking(true); // pointer moves without a button held arrive here
    setAttribute(Qt::WA_NoMousePropagation);
}

runtime::OleColor OptionButton::foreColor() const {
    return window::foreColor(*this).value_or(runtime::kWindowText);
}

void OptionButton::setForeColor(runtime::OleColor color) {
    window::setForeColor(*this, color);
}

} // namespace window
