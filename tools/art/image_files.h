// Writers for the two picture formats the game ships that Qt cannot write the
// way we need them: plain 24-bit BMP and a 16-colour ICO.
#pragma once

#include <QImage>
#include <QRgb>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace art {

// Writes an uncompressed 24-bit BMP (BITMAPINFOHEADER, bottom-up rows).
// Any alpha in the image is dropped.
bool writeBmp24(const QImage& image, const QString& path);

// A small picture made of palette indices, with a per-pixel transparency flag.
struct PalettedImage {
    int width = 0;
    int height = 0;
    std::array<QRgb, 16> palette{};
    std::vector<std::uint8_t> index; // row-major, top row first
    std::vector<bool> opaque;        // row-major, top row first
};

// Maps every pixel to its nearest palette colour; pixels with alpha below 128
// become transparent.
PalettedImage quantise(const QImage& image, const std::array<QRgb, 16>& palette);

// The paletted picture as a QImage (Indexed8, transparent entry last).
QImage toQImage(const PalettedImage& image);

// Writes a one-image ICO file, 4 bits per pixel with an AND mask.
bool writeIco4(const PalettedImage& image, const QString& path);

} // namespace art
