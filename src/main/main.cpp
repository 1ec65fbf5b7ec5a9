#include "Application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication qtApp(argc, argv);
    Application app;
    app.Show();
    return qtApp.exec();
}
