// zoomkin-bake: bakes a racer's picture at the size its image control shows it at a pixel ratio
// of 1, scaled as the control would scale it there. The build runs it; what it writes stays in
// the build tree.
//
// usage: zoomkin-bake RESOURCE BITMAP OUT
//   RESOURCE  the picture's resource path, as the window's stored description names it
//   BITMAP    the committed bitmap behind it
//   OUT       the file to write (see shown_picture.h)
#include "form_description.h"
#include "shown_picture.h"

#include <QFile>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: zoomkin-bake RESOURCE BITMAP OUT\n");
        return 2;
    }
    const QString resource = QString::fromLocal8Bit(argv[1]);
    const window::ControlDescription* shownIn = nullptr;
    for (const window::ControlDescription& control : window::form2Description().controls)
        if (control.kind == window::ControlKind::Image &&
            QString::fromUtf8(control.caption.data(), qsizetype(control.caption.size())) ==
                resource)
            shownIn = &control;
    if (!shownIn) {
        std::fprintf(stderr, "zoomkin-bake: no image control shows %s\n", argv[1]);
        return 1;
    }
    const QImage art(QString::fromLocal8Bit(argv[2]), "BMP");
    if (art.isNull()) {
        std::fprintf(stderr, "zoomkin-bake: cannot read the bitmap %s\n", argv[2]);
        return 1;
    }
    const QImage shown = window::shownPicture(art, window::pixelRect(*shownIn).size());
    QFile out(QString::fromLocal8Bit(argv[3]));
    const auto bytes = reinterpret_cast<const char*>(shown.constBits());
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(bytes, shown.sizeInBytes()) != shown.sizeInBytes()) {
        std::fprintf(stderr, "zoomkin-bake: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
