// The floor the game's start-up is measured against: a bare main window with the game's client
// size and menu bar and nothing else. No pictures, no fonts of our own, no icon, no option
// buttons, no labels. tools/bench times it against the game.
#include "window_layout.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Start-up floor"));

    // as the game's window stores it
    const window::FormDescription& form = window::form2Description();
    auto* client = new QWidget(&window);
    client->setFixedSize(window::clientPixelSize(form));
    QPalette palette = client->palette();
    palette.setColor(client->backgroundRole(), Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);

    QMenu* dropDown = nullptr;
    for (const window::MenuDescription& menu : form.menus) {
        const auto caption =
            QString::fromUtf8(menu.caption.data(), static_cast<qsizetype>(menu.caption.size()));
        if (menu.level == 0)
            dropDown = window.menuBar()->addMenu(caption);
        else if (dropDown)
            dropDown->addAction(caption);
    }

    window.showNormal(); // at its own size, as the game's (a browser would stretch it over the page)
    return QApplication::exec();
}
