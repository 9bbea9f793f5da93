#include "image_control.h"

#include "shown_picture.h"
#include "twips.h"

#include <QResource>

namespace window {
namespace {

// The picture baked at the control's size, read in place from the program's resources; a null
// image when there is none of that size, or where QImage could not read it in place (it wants
// its rows 32-bit aligned).
QImage baked(const QString& art, QSize size) {
    const QResource resource(shownPicturePath(art));
    const QImage shown(resource.data(), size.width(), size.height(), kShownPictureFormat);
    const bool fits = resource.compressionAlgorithm() == QResource::NoCompression &&
                      resource.size() == shown.sizeInBytes() &&
                      reinterpret_cast<quintptr>(resource.data()) % alignof(quint32) == 0;
    return fits ? shown : QImage();
}

} // namespace

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

void ImageControl::setPicture(const QString& art) {
    art_ = art;
    showForRatio(devicePixelRatio());
}

// At a pixel ratio of 1 the baked picture is exactly what QLabel would scale the full-size one
// to; finer screens get the full-size picture, which QLabel scales to their pixels.
void ImageControl::showForRatio(qreal ratio) {
    shownRatio_ = ratio;
    const QImage shown = ratio == 1 ? baked(art_, size()) : QImage();
    setPixmap(shown.isNull() ? QPixmap(art_) : QPixmap::fromImage(shown));
}

void ImageControl::paintEvent(QPaintEvent* event) {
    if (devicePixelRatio() != shownRatio_) // moved to a screen of another density
        showForRatio(devicePixelRatio());
    QLabel::paintEvent(event);
}

} // namespace window
