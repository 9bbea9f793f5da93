#include "control_colors.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace window {
namespace {

// Each control keeps its stored colours, so that scheme colours can be looked up again when the
// desktop's scheme changes.
constexpr char kForeColor[] = "foreColor";
constexpr char kBackColor[] = "backColor";

std::optional<runtime::OleColor> stored(const QWidget& control, const char* property) {
    const QVariant value = control.property(property);
    if (!value.isValid())
        return std::nullopt;
    return value.value<runtime::OleColor>();
}

// Scheme colours are looked up in the application's palette, the desktop's, not in what the
// control holds.
void paint(QWidget& control) {
    const QPalette desktop = QApplication::palette();
    QPalette palette = control.palette();
    if (const auto color = stored(control, kForeColor))
        palette.setColor(control.foregroundRole(), runtime::toQColor(*color, desktop));
    if (const auto color = stored(control, kBackColor))
        palette.setColor(control.backgroundRole(), runtime::toQColor(*color, desktop));
    control.setPalette(palette);
}

void paintSurface(QWidget& surface) {
    // the surface first: controls without colours of their own take its paper and ink
    surface.setPalette(runtime::surfacePalette(QApplication::palette()));
    paint(surface);
    for (QWidget* control : surface.findChildren<QWidget*>())
        if (stored(*control, kForeColor) || stored(*control, kBackColor))
            paint(*control);
}

// Qt tells only top-level windows that the desktop's palette or theme changed.
class SchemeFollower : public QObject {
public:
    explicit SchemeFollower(QWidget& surface) : QObject(&surface), surface_(surface) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (watched == surface_.window() &&
            (type == QEvent::ApplicationPaletteChange || type == QEvent::ThemeChange))
            paintSurface(surface_);
        return false;
    }

private:
    QWidget& surface_;
};

} // namespace

void setForeColor(QWidget& control, runtime::OleColor color) {
    control.setProperty(kForeColor, QVariant::fromValue(color));
    paint(control);
}

void setBackColor(QWidget& control, runtime::OleColor color) {
    control.setProperty(kBackColor, QVariant::fromValue(color));
    paint(control);
    control.setAutoFillBackground(true);
}

std::optional<runtime::OleColor> foreColor(const QWidget& control) {
    return stored(control, kForeColor);
}

void followDesktopScheme(QWidget& surface) {
    paintSurface(surface);
    surface.window()->installEventFilter(new SchemeFollower(surface));
}

} // namespace window
