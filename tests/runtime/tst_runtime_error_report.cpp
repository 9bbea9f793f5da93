// A runtime error inside an event procedure is shown to the player and ends the program.
#include <QProcess>
#include <QTest>

class TestRuntimeErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void errorIsReportedThenTheProgramEnds();
};

void TestRuntimeErrorReport::errorIsReportedThenTheProgramEnds() {
    QProcess probe;
    probe.start(QStringLiteral(ERROR_PROBE_PATH), {});
    QVERIFY(probe.waitForFinished(20000));
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    const QString err = QString::fromUtf8(probe.readAllStandardError());

    QCOMPARE(probe.exitStatus(), QProcess::NormalExit); // ended, not crashed
    QCOMPARE(probe.exitCode(), 1);
    QCOMPARE(out, QStringLiteral("box [ZoomkinRace!] Run-time error '6':||Overflow\n"));
    QVERIFY2(err.contains(QStringLiteral("run-time error 6: Overflow")), qPrintable(err));
}

QTEST_GUILESS_MAIN(TestRuntimeErrorReport)
#include "tst_runtime_error_report.moc"
