#include "Application.h"
#include "TfrmMain.h"
#include "platform/CaretBlink.h"
#include "platform/FirstPaintReport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    CaretBlink caretBlink;
    Application app;
    ReportFirstPaintIfAsked(&app.Main());
    app.Show();
    return qtApp.exec();
}
