#pragma once

#include <QLabel>

namespace window {

// A racer's picture, stretched to its stored size. Its Left is kept in twips exactly as written;
// the picture is shown at that position rounded to whole pixels.
class ImageControl : public QLabel {
    Q_OBJECT
public:
    explicit ImageControl(QWidget* parent);

    float left() const { return left_; }
    void setLeft(float twips);
    void setStoredGeometry(float left, int top, int width, int height); // twips
    // The full-size picture, as a resource path; set once the control has its size.
    void setPicture(const QString& art);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showForRatio(qreal ratio);

    float left_ = 0;
    int topPixels_ = 0;
    QString art_;
    qreal shownRatio_ = 0; // the pixel ratio the shown pixmap was picked for
};

} // namespace window
