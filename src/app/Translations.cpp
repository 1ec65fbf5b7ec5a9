#include "Translations.h"

#include "persist/AppPaths.h"
#include "platform/Translated.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace {

bool SpeaksSourceLanguage(const QLocale& locale)
{
    return locale.language() == QLocale::C || locale.language() == QLocale::English;
}

} // namespace

InstalledTranslations InstallTranslations(
    const QStringList& uiLanguages, const QString& folder, const QString& toolkitFolder)
{
    InstalledTranslations installed;
    for (const QString& name : uiLanguages) {
        const QLocale wanted(name);
        if (SpeaksSourceLanguage(wanted))
            return installed;
        auto own = std::make_unique<QTranslator>(QCoreApplication::instance());
        // load() tries the language with its region first, then without (de-AT, then de).
        if (!own->load(wanted, QStringLiteral("tintwell"), QStringLiteral("_"), folder))
            continue;
        installed.language = own->language();
        QCoreApplication::installTranslator(own.release());
        SetShowsTranslation(true);
        auto toolkit = std::make_unique<QTranslator>(QCoreApplication::instance());
        if (toolkit->load(wanted, QStringLiteral("qtbase"), QStringLiteral("_"), toolkitFolder)) {
            QCoreApplication::installTranslator(toolkit.release());
            installed.toolkit = true;
        }
        return installed;
    }
    return installed;
}

InstalledTranslations InstallSystemTranslations()
{
    return InstallTranslations(QLocale::system().uiLanguages(),
        ProgramDataPath(QCoreApplication::applicationDirPath(), QStringLiteral("translations")),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
