// The reference for start-up and memory figures: the least a Qt program can do to show a window the size of
// the main window (a menu bar over a 263 x 294 client area) and report its first paint the same way.
#include "platform/FirstPaintReport.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* client = new QWidget(&window);
    client->setFixedSize(263, 294);
    window.setCentralWidget(client);
    ReportFirstPaintIfAsked(&window);
    window.show();
    return app.exec();
}
