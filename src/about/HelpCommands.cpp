#include "HelpCommands.h"

#include "TfrmAbout.h"
#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>

#include <functional>

QString ProductHost()
{
    return QStringLiteral("www.tintwell.example");
}

QString HomePageAddress()
{
    return QStringLiteral("http://") + ProductHost();
}

QString ForumsAddress()
{
    return HomePageAddress() + QStringLiteral("/forums/");
}

QString TutorialAddress()
{
    return HomePageAddress() + QStringLiteral("/tutorial.html");
}

QString HelpFilePath()
{
    // Not the working folder: the help is found from the executable, wherever it was started from.
    return ProgramDataPath(QCoreApplication::applicationDirPath(), QStringLiteral("help/index.html"));
}

void ConnectHelpMenu(TfrmMain& main, TfrmAbout& about)
{
    const std::pair<MainCommand, QString (*)()> pages[] = {
        { MainCommand::HelpHelp, &HelpFilePath },
        { MainCommand::HelpWebsite, &HomePageAddress },
        { MainCommand::HelpForums, &ForumsAddress },
        { MainCommand::HelpTutorial, &TutorialAddress },
    };
    for (const auto& [command, target] : pages)
        main.CarryOut(command, &about, [target] { platform::ShellService().Open(target()); });
    main.CarryOut(MainCommand::HelpAbout, &about, [&about] { about.ShowModal(); });
}
