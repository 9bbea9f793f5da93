// The message box service: caption, text, one OK button, no icon, modal, returns when closed.
#include "box_closer.h"
#include "message_box.h"

#include <QTest>
#include <QWidget>

class TestMessageBox : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsThePromptUnderTheApplicationTitle();
    void promptIsPlainText();
    void cleanup();
};

void TestMessageBox::showsThePromptUnderTheApplicationTitle() {
    QWidget window;
    window.show();
    testing::BoxCloser closer;
    runtime::showMessageBox(&window, QStringLiteral("Dorvit won the Zoomkin Race!"));

    QCOMPARE(closer.seen.size(), 1);
    const testing::SeenBox& box = closer.seen.first();
    QCOMPARE(box.title, QStringLiteral("ZoomkinRace!"));
    QCOMPARE(box.text, QStringLiteral("Dorvit won the Zoomkin Race!"));
    QCOMPARE(box.icon, QMessageBox::NoIcon);
    QCOMPARE(box.buttonCount, 1);
    QVERIFY(box.applicationModal);
    QVERIFY(box.visible);
    QVERIFY(!QApplication::activeModalWidget()); // it returned because the box closed
}

void TestMessageBox::promptIsPlainText() {
    testing::BoxCloser closer;
    runtime::showMessageBox(nullptr, QStringLiteral("<b>bold</b>"));
    QCOMPARE(closer.seen.size(), 1);
    QCOMPARE(closer.seen.first().format, Qt::PlainText);
    QCOMPARE(closer.seen.first().text, QStringLiteral("<b>bold</b>"));
}

void TestMessageBox::cleanup() {
    // no box is left behind
    QTRY_COMPARE(QApplication::topLevelWidgets().size(), 0);
}

QTEST_MAIN(TestMessageBox)
#include "tst_message_box.moc"
