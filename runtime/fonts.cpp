#include "fonts.h"

#include <QFontDatabase>
#include <QHash>
#include <QStringList>

namespace runtime {
namespace {

// Free faces with the metrics of families that Linux desktops lack. Liberation Sans keeps the
// widths of the classic sans faces; DejaVu Sans, the usual fallback, is about a tenth wider and
// cuts captions off.
QStringList metricTwins(const QString& family) {
    if (family == QLatin1String("MS Sans Serif"))
        return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};
    return {};
}

// The installed family to draw a stored one in, looked up once per family: letting Qt resolve a
// missing family through substitutes costs again on every font of every control. The names are
// looked up in the list of installed families: QFontDatabase::hasFamily would first have
// fontconfig resolve each one as an alias, a lookup of its own every time.
QString installedFamily(const QString& family) {
    static QHash<QString, QString> resolved; // fonts are only made on the window's thread
    if (const auto found = resolved.constFind(family); found != resolved.cend())
        return *found;
    const QStringList installed = QFontDatabase::families();
    const auto isInstalled = [&installed](const QString& name) {
        return installed.contains(name, Qt::CaseInsensitive);
    };
    QString chosen = family;
    if (!isInstalled(family)) {
        for (const QString& twin : metricTwins(family))
            if (isInstalled(twin)) {
                chosen = twin;
                break;
            }
    }
    resolved.insert(family, chosen);
    return chosen;
}

} // namespace

QFont makeFont(QStringView family, double pointSize, int weight) {
    QFont font(installedFamily(family.toString()));
    font.setPointSizeF(pointSize);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace runtime
