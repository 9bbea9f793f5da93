// The committed pictures in assets/ are what tools/art draws: the same files, each with the same
// header (so the same size and format: a 24-bit BMP stays one, a paletted PNG stays paletted), and
// every channel of every pixel within the art tolerance of the drawn one.
#include "art_tolerance.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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

        const QImage drawn(drawnFile.fileName());
        const QImage committed(committedFile.fileName());
        QVERIFY(!drawn.isNull() && !committed.isNull());
        QCOMPARE(committed.size(), drawn.size());
        const int largest = testing::largestChannelDifference(drawn, committed);
        QVERIFY2(largest <= testing::kArtTolerance,
                 qPrintable(QString("a channel differs by %1: regenerate assets/ with tools/art")
                                .arg(largest)));
    }
};

QTEST_GUILESS_MAIN(ArtMatchesAssets)
#include "art_matches_assets.moc"
