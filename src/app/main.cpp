#include "Application.h"
#include "CommandLine.h"
#include "Translations.h"
#include "main/TfrmMain.h"
#include "platform/CaretBlink.h"
#include "platform/FirstPaintReport.h"
#include "platform/ProgramStyle.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // A Wayland compositor decides where windows go, and the program's windows dock and come back where they were
    // left; through Xwayland they still can. A platform the user chose stands, and so does Wayland where no
    // Xwayland runs.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !qEnvironmentVariableIsEmpty("DISPLAY")
        && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    // Help and the version need no display: a terminal without one can ask.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (const CommandLine early = ReadCommandLine(arguments); early.action != CommandLine::Action::Run
        && early.action != CommandLine::Action::Refuse) {
        // Answered in the user's language, still without a display.
        QCoreApplication terminal(argc, argv);
        InstallSystemTranslations();
        return AnswerOnTerminal(ReadCommandLine(arguments));
    }

    QApplication qtApp(argc, argv);
    // Set before any window is made, so that every window is made in it.
    QApplication::setStyle(new ProgramStyle);
    const InstalledTranslations translations = InstallSystemTranslations();
    // Read again without the toolkit's own options, which it has taken out.
    const CommandLine line = ReadCommandLine(QApplication::arguments());
    if (line.action != CommandLine::Action::Run)
        return AnswerOnTerminal(line);
    CaretBlink caretBlink;
    Application app(translations.language);
    ReportFirstPaintIfAsked(&app.Main());
    app.Show(line.schemeFile);
    return qtApp.exec();
}
