#include "Application.h"
#include "main/TfrmMain.h"
#include "platform/CaretBlink.h"
#include "platform/FirstPaintReport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A Wayland compositor decides where windows go, and the program's windows dock and come back where they were
    // left; through Xwayland they still can. A platform the user chose stands, and so does Wayland where no
    // Xwayland runs.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication qtApp(argc, argv);
    CaretBlink caretBlink;
    Application app;
    ReportFirstPaintIfAsked(&app.Main());
    app.Show();
    return qtApp.exec();
}
