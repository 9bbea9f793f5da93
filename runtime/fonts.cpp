#include "fonts.h"

#include <QFontDatabase>
#include <QtDebug>

namespace runtime {
namespace {

// The game's face: Liberation Sans keeps the widths of the classic sans face the window was laid
// out in. No desktop can be relied on for that face (Windows' DirectWrite lists no bitmap faces, a
// browser has no fonts at all, and DejaVu Sans, Linux's usual fallback, is about a tenth wider and
// cuts captions off), so it is always this one. A desktop that has it installed (Debian's
// fonts-liberation2) draws it from there; elsewhere it comes from the program's resources, whose
// loading costs a start-up some 2% more work.
QString gameFamily() {
    static const QString family = [] { // fonts are only made on the window's thread
        const QString face = QStringLiteral("Liberation Sans");
        if (QFontDatabase::families().contains(face))
            return face;
        const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/faces/game-face.ttf"));
        const QString loaded = QFontDatabase::applicationFontFamilies(id).value(0);
        if (loaded.isEmpty())
            qWarning("The game's face could not be loaded; captions may not fit their controls");
        return loaded;
    }();
    return family;
}

// The family a stored one is drawn in: the game's face in place of the classic sans face.
QString drawnFamily(QStringView family) {
    if (family == QLatin1String("MS Sans Serif"))
        return gameFamily();
    return family.toString();
}

} // namespace

QFont makeFont(QStringView family, double pointSize, int weight) {
    QFont font(drawnFamily(family));
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace runtime
