#pragma once

#include <QString>

class QWidget;

namespace runtime {

// A modal box captioned with the application title, the prompt as plain text, an OK button
// and no icon. Returns once the player has closed it.
void showMessageBox(QWidget* parent, const QString& prompt);

} // namespace runtime
