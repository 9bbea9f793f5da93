#include "image_control.h"

#include "twips.h"

namespace window {

ImageControl::ImageControl(QWidget* parent) : QLabel(parent) {
    setScaledContents(true); // QLabel scales smoothly, at the screen's pixel ratio
    // a picture has no pointer procedures: even a drag that began on it changes nothing
    setAttribute(Qt::WA_NoMousePropagation);
}

void ImageControl::setLeft(float twips) {
    left_ = twips;
    move(runtime::twipsToPixels(twips), topPixels_);
}

void ImageControl::setStoredGeometry(float left, int top, int width, int height) {
    topPixels_ = runtime::twipsToPixels(top);
    resize(runtime::twipsToPixels(width), runtime::twipsToPixels(height));
    setLeft(left);
}

} // namespace window
