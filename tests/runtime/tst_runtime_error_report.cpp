// A runtime error inside an event procedure is shown to the player and ends the program.
#include <QProcess>
#include <QTest>

class TestRuntimeErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void errorIsReportedThenTheProgramEnds_data();
    void errorIsReportedThenTheProgramEnds();
};

void TestRuntimeErrorReport::errorIsReportedThenTheProgramEnds_data() {
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");
    QTest::newRow("any event procedure")
        << QStringLiteral(ERROR_PROBE_PATH) << QStringList()
        << QStringLiteral("box [ZoomkinRace!] Run-time error '6':||Overflow\n");
    // nothing may unwind through Qt's event dispatch
    QTest::newRow("stray C++ exception")
        << QStringLiteral(ERROR_PROBE_PATH) << QStringList{QStringLiteral("stray")}
        << QStringLiteral("box [ZoomkinRace!] Run-time error '51':||Internal error\n");
    // the first step overflows: nobody has moved and nobody is put back at the start line
    QTest::newRow("Go on the window")
        << QStringLiteral(GO_FAULT_PROBE_PATH) << QStringList()
        << QStringLiteral("box [ZoomkinRace!] Run-time error '6':||Overflow; Dorvit at 6120\n");
}

void TestRuntimeErrorReport::errorIsReportedThenTheProgramEnds() {
    QFETCH(QString, probe);
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);
    QProcess process;
    process.start(probe, arguments);
    QVERIFY(process.waitForFinished(20000));
    // (a probe on Windows ends its lines as Windows does)
    const QString out = QString::fromUtf8(process.readAllStandardOutput())
                            .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString err = QString::fromUtf8(process.readAllStandardError());

    QCOMPARE(process.exitStatus(), QProcess::NormalExit); // ended, not crashed
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(out, shown);
    QVERIFY2(err.contains(QStringLiteral("ZoomkinRace!: run-time error ")), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestRuntimeErrorReport)
#include "tst_runtime_error_report.moc"
