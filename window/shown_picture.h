#pragma once
// A racer's picture as its image control shows it at a pixel ratio of 1: baked from the committed
// bitmap when the game is built (tools/bake), so that start-up neither decodes nor scales it.

#include <QImage>
#include <QString>

namespace window {

// The baked file holds the shown pixels and nothing else: rows of this format, as wide as the
// control, one after another.
inline constexpr QImage::Format kShownPictureFormat = QImage::Format_RGB32;

// Where the picture baked from the bitmap at the resource path art is: :/shown/dorvit.rgb32 for
// :/assets/dorvit.bmp.
inline QString shownPicturePath(const QString& art) {
    const QString name = art.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return QStringLiteral(":/shown/") + name + QStringLiteral(".rgb32");
}

// What an image control of the given size draws from the full-size picture at a pixel ratio of
// 1: QLabel scales its picture smoothly to the control's size.
inline QImage shownPicture(const QImage& art, QSize controlSize) {
    return art.convertToFormat(kShownPictureFormat)
        .scaled(controlSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace window
