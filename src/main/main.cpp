#include "Application.h"
#include "platform/CaretBlink.h"
#include "platform/FirstPaintReport.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    ReportFirstPaintIfAsked();
    CaretBlink caretBlink;
    Application app;
    app.Show();
    return qtApp.exec();
}
