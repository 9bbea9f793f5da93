// The game started where there is no screen to open its window on: one clear line and a
// non-zero status, never Qt's abort and a core dump.
#include <QProcess>
#include <QTest>

class TestNoDisplay : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saysSoInOneLineAndEnds_data();
    void saysSoInOneLineAndEnds();
};

void TestNoDisplay::saysSoInOneLineAndEnds_data() {
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("locale"); // LC_ALL, or the caller's locale when empty
    QTest::addColumn<QString>("said");
    const QString unreachable = QStringLiteral(
        "cannot open the game's window on display ':4711': could not connect to display :4711");
    QTest::newRow("no display at all") << QString() << QString() << QStringLiteral("no display");
    // a display that cannot be reached makes Qt itself give up
    QTest::newRow("display that is not there")
        << QStringLiteral(":4711") << QString() << unreachable;
    // as in many containers: Qt switches to UTF-8 and says so, which is no part of the one line
    QTest::newRow("display that is not there, no UTF-8 locale")
        << QStringLiteral(":4711") << QStringLiteral("C") << unreachable;
}

void TestNoDisplay::saysSoInOneLineAndEnds() {
    QFETCH(QString, display);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    QFETCH(QString, locale);
    if (!locale.isEmpty()) {
        for (const char* name : {"LANG", "LC_CTYPE", "LANGUAGE"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("LC_ALL"), locale);
    }
    QProcess game;
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(GAME_PATH), {});
    QVERIFY(game.waitForFinished(20000));

    QCOMPARE(game.exitStatus(), QProcess::NormalExit); // no abort, so no core dump
    QCOMPARE(game.exitCode(), 2);
    const QString err = QString::fromUtf8(game.readAllStandardError());
    QVERIFY2(err.count(QLatin1Char('\n')) == 1, qPrintable(err));
    QVERIFY2(err.startsWith(QLatin1String("ZoomkinRace!: ")), qPrintable(err));
    QFETCH(QString, said);
    QVERIFY2(err.contains(said), qPrintable(err));
    QCOMPARE(game.readAllStandardOutput(), QByteArray());
}

QTEST_GUILESS_MAIN(TestNoDisplay)
#include "tst_no_display.moc"
