// The reference for start-up and memory figures: the least a Qt program can do to show a window the size of
// the main window (a menu bar over a 263 x 294 client area) and report its first paint the same way.
//
// Built a second time as bare_window_unread, the same window in the program's style, which does not read the menu
// bar's overflow picture before the button shows. Reading it loads every image-format plug-in installed, so the
// plain window's figures grow with the plug-ins on the machine while the program's do not; this one does not move.
#include "platform/FirstPaintReport.h"
#ifdef TW_BARE_UNREAD_OVERFLOW
#include "platform/ProgramStyle.h"
#endif

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
#ifdef TW_BARE_UNREAD_OVERFLOW
    QApplication::setStyle(new ProgramStyle);
#endif
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
