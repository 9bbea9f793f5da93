#include "control_colors.h"

#include <QApplication>
#include <QWidget>

namespace window {
namespace {

void paintRole(QWidget& control, QPalette::ColorRole role, runtime::OleColor color) {
    QPalette palette = control.palette();
    // scheme colours are looked up in the application's palette, not in what the control holds
    palette.setColor(role, runtime::toQColor(color, QApplication::palette()));
    control.setPalette(palette);
}

} // namespace

void setForeColor(QWidget& control, runtime::OleColor color) {
    paintRole(control, control.foregroundRole(), color);
}

void setBackColor(QWidget& control, runtime::OleColor color) {
    paintRole(control, control.backgroundRole(), color);
    control.setAutoFillBackground(true);
}

} // namespace window
