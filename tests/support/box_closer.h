#pragma once
// Answers every modal message box as a player would, pressing Return, and records what it saw.

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace testing {

struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttonCount = 0;
    bool applicationModal = false;
    bool visible = false;
};

class BoxCloser : public QObject {
public:
    // Also runs onEachBox while the box is open, e.g. to look at the window behind it.
    explicit BoxCloser(std::function<void()> onEachBox = {}) : onEachBox_(std::move(onEachBox)) {
        QObject::connect(&timer_, &QTimer::timeout, this, &BoxCloser::answer);
        timer_.start(0);
    }

    QStringList texts() const {
        QStringList result;
        for (const SeenBox& box : seen)
            result << box.text;
        return result;
    }

    QList<SeenBox> seen;

private:
    void answer() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box == answered_)
            return;
        answered_ = box; // a box is answered once, even if it lingers an event longer
        seen.append({box->windowTitle(), box->text(), box->textFormat(), box->icon(),
                     box->buttons().size(), box->windowModality() == Qt::ApplicationModal,
                     box->isVisible()});
        if (onEachBox_)
            onEachBox_();
        QTest::keyClick(box, Qt::Key_Return);
    }

    std::function<void()> onEachBox_;
    QPointer<QMessageBox> answered_;
    QTimer timer_;
};

} // namespace testing
