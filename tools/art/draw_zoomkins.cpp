// zoomkin-art: draws all of Zoomkin Race!'s pictures.
//
//   zoomkin-art OUTPUT_DIR
//
// writes the four racers as 24-bit BMPs, the 16-colour window icon (ICO and
// PNG) and the larger desktop icons into OUTPUT_DIR. Nothing random is used,
// so running it twice gives the same files. Painting into QImages needs no
// window system and no application object, so it runs headless as it is.

#include "image_files.h"
#include "paint_kit.h"
#include "racers.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>

namespace {

struct RacerPicture {
    const char* file;
    int width;
    int height;
    void (*draw)(QPainter&);
};

constexpr RacerPicture kRacers[] = {
    {"dorvit.bmp", 221, 181, art::drawDorvit},
    {"marnox.bmp", 220, 191, art::drawMarnox},
    {"rufta.bmp", 243, 195, art::drawRufta},
    {"bazzle.bmp", 227, 235, art::drawBazzle},
};

QImage renderRacer(const RacerPicture& racer) {
    QImage image(racer.width, racer.height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    art::prepare(p);
    racer.draw(p);
    p.end();
    return image;
}

QImage renderIcon(int size, bool smooth = true) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    art::prepare(p);
    p.setRenderHint(QPainter::Antialiasing, smooth);
    art::drawIcon(p, size);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A fixed 96 dpi, so the files do not depend on the screen of the machine
// that ran the generator.
QImage withFixedDpi(QImage image) {
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    return image;
}

bool report(bool ok, const QString& path) {
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "FAILED to write",
                 qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zoomkin-art OUTPUT_DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    for (const RacerPicture& racer : kRacers) {
        const QString path = out.filePath(QString::fromLatin1(racer.file));
        ok &= report(art::writeBmp24(renderRacer(racer), path), path);
    }

    // The 16-colour icon is drawn with hard edges: blended edge pixels would
    // only turn into stray greys once reduced to the palette.
    const art::PalettedImage small = art::quantise(renderIcon(32, false), art::iconPalette());
    const QString icoPath = out.filePath(QStringLiteral("zoomkin-race.ico"));
    ok &= report(art::writeIco4(small, icoPath), icoPath);
    const QString smallPng = out.filePath(QStringLiteral("zoomkin-race-32.png"));
    ok &= report(withFixedDpi(art::toQImage(small)).save(smallPng, "PNG"), smallPng);

    for (int size : {64, 128, 256}) {
        const QString dir = out.filePath(QStringLiteral("icons/%1").arg(size));
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath(QStringLiteral("zoomkin-race.png"));
        ok &= report(withFixedDpi(renderIcon(size)).save(path, "PNG"), path);
    }
    return ok ? 0 : 1;
}
