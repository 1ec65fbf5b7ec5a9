#include "HelpCommands.h"

#include "TfrmAbout.h"
#include "main/TfrmMain.h"
#include "persist/AppPaths.h"
#include "platform/Services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

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

QString HelpFilePath(const QString& programFolder, const QString& language)
{
    if (!language.isEmpty()) {
        // The pages are kept per language alone: de_AT reads help/de.
        const QString code = QLocale(language).name().section(u'_', 0, 0);
        // A language the program speaks before its help page does gets the English page rather than none.
        const QString translated = ProgramDataPath(programFolder, QStringLiteral("help/%1/index.html").arg(code));
        if (QFileInfo::exists(translated))
            return translated;
    }
    return ProgramDataPath(programFolder, QStringLiteral("help/index.html"));
}

void ConnectHelpMenu(TfrmMain& main, TfrmAbout& about, const QString& language)
{
    // Not the working folder: the help is found from the executable, wherever it was started from.
    main.CarryOut(MainCommand::HelpHelp, &about, [language] {
        platform::ShellService().Open(HelpFilePath(QCoreApplication::applicationDirPath(), language));
    });
    const std::pair<MainCommand, QString (*)()> pages[] = {
        { MainCommand::HelpWebsite, &HomePageAddress },
        { MainCommand::HelpForums, &ForumsAddress },
        { MainCommand::HelpTutorial, &TutorialAddress },
    };
    for (const auto& [command, target] : pages)
        main.CarryOut(command, &about, [target] { platform::ShellService().Open(target()); });
    main.CarryOut(MainCommand::HelpAbout, &about, [&about] { about.ShowModal(); });
}
