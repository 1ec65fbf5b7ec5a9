#include "HelpCommands.h"

#include "TfrmAbout.h"
#include "main/TfrmMain.h"
#include "platform/Services.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>

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
    // Not the working folder: the help travels with the executable, like the settings.
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("help/index.html"));
}

void ConnectHelpMenu(TfrmMain& main, TfrmAbout& about)
{
    const auto open = [&about](QAction* entry, QString (*target)()) {
        entry->setEnabled(true);
        QObject::connect(entry, &QAction::triggered, &about, [target] { platform::ShellService().Open(target()); });
    };
    open(main.mnuHelpHelp, &HelpFilePath);
    open(main.mnuHelpWebsite, &HomePageAddress);
    open(main.mnuHelpForums, &ForumsAddress);
    open(main.mnuHelpTutorial, &TutorialAddress);

    main.mnuHelpAbout->setEnabled(true);
    QObject::connect(main.mnuHelpAbout, &QAction::triggered, &about, &TfrmAbout::ShowModal);
}
