#include "image_files.h"

#include <QFile>
#include <QtGlobal>
#include <limits>

namespace art {

namespace {

void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xff));
    out.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& out, quint32 v) {
    for (int i = 0; i < 4; ++i)
        out.append(char((v >> (8 * i)) & 0xff));
}

void putInfoHeader(QByteArray& out, int width, int height, int bits, quint32 imageBytes,
                   quint32 coloursUsed) {
    put32(out, 40); // header size
    put32(out, quint32(width));
    put32(out, quint32(height));
    put16(out, 1); // planes
    put16(out, quint16(bits));
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);
}

bool writeAll(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

} // namespace

bool writeBmp24(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int w = rgb.width();
    const int h = rgb.height();
    const int rowBytes = (w * 3 + 3) & ~3;
    const quint32 pixelBytes = quint32(rowBytes) * quint32(h);

    QByteArray out;
    out.reserve(54 + int(pixelBytes));
    out.append("BM");
    put32(out, 54 + pixelBytes);
    put32(out, 0);
    put32(out, 54);
    putInfoHeader(out, w, h, 24, pixelBytes, 0);

    for (int y = h - 1; y >= 0; --y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < w; ++x) {
            out.append(char(line[3 * x + 2]));
            out.append(char(line[3 * x + 1]));
            out.append(char(line[3 * x + 0]));
        }
        for (int pad = w * 3; pad < rowBytes; ++pad)
            out.append('\0');
    }
    return writeAll(out, path);
}

PalettedImage quantise(const QImage& image, const std::array<QRgb, 16>& palette) {
    const QImage src = image.convertToFormat(QImage::Format_ARGB32);
    PalettedImage out;
    out.width = src.width();
    out.height = src.height();
    out.palette = palette;
    out.index.assign(size_t(out.width) * size_t(out.height), 0);
    out.opaque.assign(size_t(out.width) * size_t(out.height), false);
    for (int y = 0; y < out.height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        for (int x = 0; x < out.width; ++x) {
            const QRgb c = line[x];
            const size_t i = size_t(y) * size_t(out.width) + size_t(x);
            if (qAlpha(c) < 128)
                continue;
            int best = 0;
            long bestDistance = std::numeric_limits<long>::max();
            for (int k = 0; k < 16; ++k) {
                // Weighted so that greens and reds keep their character.
                const long dr = qRed(c) - qRed(palette[k]);
                const long dg = qGreen(c) - qGreen(palette[k]);
                const long db = qBlue(c) - qBlue(palette[k]);
                const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                if (d < bestDistance) {
                    bestDistance = d;
                    best = k;
                }
            }
            out.index[i] = std::uint8_t(best);
            out.opaque[i] = true;
        }
    }
    return out;
}

QImage toQImage(const PalettedImage& image) {
    QImage out(image.width, image.height, QImage::Format_Indexed8);
    QList<QRgb> table(image.palette.begin(), image.palette.end());
    for (QRgb& c : table)
        c = qRgba(qRed(c), qGreen(c), qBlue(c), 255);
    table.append(qRgba(0, 0, 0, 0));
    out.setColorTable(table);
    for (int y = 0; y < image.height; ++y) {
        uchar* line = out.scanLine(y);
        for (int x = 0; x < image.width; ++x) {
            const size_t i = size_t(y) * size_t(image.width) + size_t(x);
            line[x] = image.opaque[i] ? image.index[i] : uchar(16);
        }
    }
    return out;
}

bool writeIco4(const PalettedImage& image, const QString& path) {
    const int w = image.width;
    const int h = image.height;
    if (w <= 0 || h <= 0 || w > 256 || h > 256)
        return false;
    const int xorRow = ((w * 4 + 31) / 32) * 4;
    const int andRow = ((w + 31) / 32) * 4;
    const quint32 xorBytes = quint32(xorRow * h);
    const quint32 andBytes = quint32(andRow * h);
    const quint32 resourceBytes = 40 + 16 * 4 + xorBytes + andBytes;

    QByteArray out;
    // Icon directory with a single entry.
    put16(out, 0);
    put16(out, 1); // type: icon
    put16(out, 1); // one image
    out.append(char(w == 256 ? 0 : w));
    out.append(char(h == 256 ? 0 : h));
    out.append(char(16)); // colours in the palette
    out.append('\0');
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, resourceBytes);
    put32(out, 6 + 16);

    // The bitmap counts the colour rows and the mask rows together.
    putInfoHeader(out, w, 2 * h, 4, xorBytes + andBytes, 16);
    for (QRgb c : image.palette) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }

    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            const int v = image.opaque[i] ? image.index[i] : 0;
            if (x % 2 == 0)
                row[x / 2] = char(row[x / 2] | (v << 4));
            else
                row[x / 2] = char(row[x / 2] | v);
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < w; ++x) {
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            if (!image.opaque[i])
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return writeAll(out, path);
}

} // namespace art
