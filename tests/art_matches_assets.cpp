// The committed pictures in assets/ are what tools/art draws: the same files, each with the same
// header (so the same size and format: a 24-bit BMP stays one, a paletted PNG stays paletted), and
// every channel of every pixel within kTolerance of the drawn one. Pixels are compared
// premultiplied, as they look on screen: an almost transparent edge pixel's own colour means
// little.
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdlib>

// Antialiased edges and gradients come out a few levels apart from one Qt release to the next,
// because its rasteriser rounds edge coverage and gradient steps a little differently. Every
// drawing moved by 1/32 of a pixel changes no channel by more than 15; moved by a whole pixel, or
// with a colour changed by a visible step, some pixels change by far more. The 16-colour icon has
// hard edges, so nothing to round: a Qt update that changed them would need the icon drawn anew.
constexpr int kTolerance = 16;

// The files under the folder, by their paths in it.
static QStringList filesUnder(const QString& folder, const QStringList& nameFilters) {
    QStringList files;
    QDirIterator it(folder, nameFilters, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

class ArtMatchesAssets : public QObject {
    Q_OBJECT
    QTemporaryDir drawn_;
    QStringList files_;

private Q_SLOTS:
    void initTestCase() {
        QCOMPARE(QProcess::execute(ART_GENERATOR, {drawn_.path()}), 0);
        files_ = filesUnder(drawn_.path(), {});
        QVERIFY(!files_.isEmpty());
        // every committed picture is drawn, and nothing else is
        QCOMPARE(filesUnder(ASSETS_DIR, {"*.bmp", "*.ico", "*.png"}), files_);
    }

    void picture_data() {
        QTest::addColumn<QString>("file");
        for (const QString& file : files_)
            QTest::newRow(qPrintable(file)) << file;
    }

    void picture() {
        QFETCH(QString, file);
        QFile drawnFile(drawn_.filePath(file));
        QFile committedFile(ASSETS_DIR "/" + file);
        QVERIFY(drawnFile.open(QIODevice::ReadOnly) && committedFile.open(QIODevice::ReadOnly));
        // The header: BMP's file and info headers; the ICO directory, its one entry and the
        // image's info header; PNG's signature and IHDR chunk.
        const qsizetype header = file.endsWith(".bmp")   ? 14 + 40
                                 : file.endsWith(".ico") ? 6 + 16 + 40
                                                         : 8 + 8 + 13 + 4;
        QCOMPARE(committedFile.read(header).toHex(' '), drawnFile.read(header).toHex(' '));

        const auto load = [](const QFile& f) {
            return QImage(f.fileName()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage drawn = load(drawnFile);
        const QImage committed = load(committedFile);
        QVERIFY(!drawn.isNull() && !committed.isNull());
        QCOMPARE(committed.size(), drawn.size());
        int largest = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            // as stored, premultiplied: QImage::pixel() would divide the alpha out again
            const auto* a = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
            const auto* b = reinterpret_cast<const QRgb*>(committed.constScanLine(y));
            for (int x = 0; x < drawn.width(); ++x)
                for (int shift : {0, 8, 16, 24})
                    largest = std::max(
                        largest, std::abs(int(a[x] >> shift & 0xff) - int(b[x] >> shift & 0xff)));
        }
        QVERIFY2(largest <= kTolerance,
                 qPrintable(QString("a channel differs by %1: regenerate assets/ with tools/art")
                                .arg(largest)));
    }
};

QTEST_GUILESS_MAIN(ArtMatchesAssets)
#include "art_matches_assets.moc"
