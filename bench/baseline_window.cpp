// The floor the game's start-up is measured against: a bare main window with the game's client
// size and menu bar and nothing else. No pictures, no fonts of our own, no icon, no option
// buttons, no labels. Only bench/startup_harness runs it.
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

    // 9585 x 6960 twips at 15 twips per pixel, as the game's window stores it
    auto* client = new QWidget(&window);
    client->setFixedSize(639, 464);
    QPalette palette = client->palette();
    palette.setColor(client->backgroundRole(), Qt::white);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    window.setCentralWidget(client);

    QMenu* race = window.menuBar()->addMenu(QStringLiteral("&Race"));
    race->addAction(QStringLiteral("&Go"));
    race->addAction(QStringLiteral("&Quit"));

    window.show();
    return QApplication::exec();
}
