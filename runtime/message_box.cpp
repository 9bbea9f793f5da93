#include "message_box.h"

#include "app_identity.h"

#include <QMessageBox>

namespace runtime {

void showMessageBox(QWidget* parent, const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, prompt, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText); // announcements are never markup
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

} // namespace runtime
