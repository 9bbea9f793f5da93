#include "fonts.h"

#include <QStringList>

#include <mutex>

namespace runtime {
namespace {

void installSubstitutes() {
    static std::once_flag once;
    std::call_once(once, [] {
        // Liberation Sans keeps the widths of the classic sans faces; DejaVu Sans, the usual
        // fallback, is about a tenth wider and cuts captions off.
        QFont::insertSubstitutions(
            QStringLiteral("MS Sans Serif"),
            QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    });
}

} // namespace

QFont makeFont(QStringView family, double pointSize, int weight) {
    installSubstitutes();
    QFont font(family.toString());
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace runtime
