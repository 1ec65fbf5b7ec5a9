// Which translation start-up loads for the user's languages, and numbers shown in the user's locale.
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "platform/ShownNumber.h"
#include "preview/TfrmPreview.h"
#include "platform/Translated.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The translators start-up installs belong to the application; removing them leaves the next case as it found it.
void RemoveTranslators()
{
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    SetShowsTranslation(false);
}

TEST(Translations, LoadsTheFirstOfTheUsersLanguagesTheProgramSpeaksAndNothingForEnglish)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TW_QM_DIR "/tintwell_de.qm"), folder.filePath(QStringLiteral("tintwell_de.qm"))));
    const bool toolkitHasGerman = QFile::exists(
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"));
    struct Case {
        QStringList languages;
        QString expected;
    };
    const Case cases[] = {
        { { QStringLiteral("C") }, {} },
        { { QStringLiteral("en-US"), QStringLiteral("de-DE") }, {} }, // English first: the source texts stand
        { { QStringLiteral("de-DE") }, QStringLiteral("de") },
        { { QStringLiteral("de-AT"), QStringLiteral("en-GB") }, QStringLiteral("de") },
        { { QStringLiteral("fr-FR"), QStringLiteral("de") }, QStringLiteral("de") }, // none for French: the next
        { { QStringLiteral("eo") }, {} },
        { {}, {} },
    };
    for (const Case& c : cases) {
        const InstalledTranslations installed = InstallTranslations(
            c.languages, folder.path(), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const std::string what = c.languages.join(u',').toStdString();
        EXPECT_EQ(installed.language.left(2), c.expected) << what;
        EXPECT_EQ(installed.toolkit, !c.expected.isEmpty() && toolkitHasGerman) << what;
        const int loaded = QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).size();
        EXPECT_EQ(loaded, c.expected.isEmpty() ? 0 : 1 + int(toolkitHasGerman)) << what;
        EXPECT_EQ(ShowsTranslation(), !c.expected.isEmpty()) << what;
        if (!c.expected.isEmpty())
            EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), QStringLiteral("&Datei")) << what;
        else
            EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), QStringLiteral("&File")) << what;
        RemoveTranslators();
    }
}

// Each shipped language is found for its regional variants from the build's own translations, reads its menu,
// its contrast verdict and counts colours with every plural form the language has (French counts 0 as one).
TEST(Translations, EachShippedLanguageLoadsForItsRegionsAndCountsInItsPluralForms)
{
    struct Case {
        QString region;
        QString language;
        QString file;
        QString fail;
        QStringList colors; // 0, 1, 2 and 21 colours
    };
    const Case cases[] = {
        { QStringLiteral("de-CH"), QStringLiteral("de"), QStringLiteral("&Datei"), QStringLiteral("Ungenügend"),
            { QStringLiteral("0 Farben"), QStringLiteral("1 Farbe"), QStringLiteral("2 Farben"),
                QStringLiteral("21 Farben") } },
        { QStringLiteral("fr-CA"), QStringLiteral("fr"), QStringLiteral("&Fichier"), QStringLiteral("Échec"),
            { QStringLiteral("0 couleur"), QStringLiteral("1 couleur"), QStringLiteral("2 couleurs"),
                QStringLiteral("21 couleurs") } },
        { QStringLiteral("es-MX"), QStringLiteral("es"), QStringLiteral("&Archivo"), QStringLiteral("No cumple"),
            { QStringLiteral("0 colores"), QStringLiteral("1 color"), QStringLiteral("2 colores"),
                QStringLiteral("21 colores") } },
    };
    const QStringList shipped = QStringLiteral(TW_SHIPPED_LANGUAGES).split(u' ', Qt::SkipEmptyParts);
    for (const QString& language : shipped) {
        const auto isIt = [&language](const Case& c) { return c.language == language; };
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), isIt))
            << language.toStdString() << " ships without a case here";
    }
    for (const Case& c : cases) {
        if (!shipped.contains(c.language))
            continue;
        const std::string what = c.region.toStdString();
        const InstalledTranslations installed = InstallTranslations({ c.region, QStringLiteral("en-US") },
            QStringLiteral(TW_QM_DIR), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        EXPECT_EQ(installed.language.left(2), c.language) << what;
        EXPECT_EQ(QCoreApplication::translate("TfrmMain", "&File"), c.file) << what;
        EXPECT_EQ(QCoreApplication::translate("TfrmPreview", "Fail", "contrast verdict: too little contrast"), c.fail)
            << what;
        const int counts[] = { 0, 1, 2, 21 };
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(QCoreApplication::translate("PaletteSetDialog", "%n colors", nullptr, counts[i]), c.colors[i])
                << what << " " << counts[i];
        }
        RemoveTranslators();
    }
}

TEST(Translations, TheTerminalsAnswersSpeakTheLanguageAndNameTheProgramAsItIsInstalled)
{
    const QString toolkit = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    const struct {
        QString language, usage, description, refusal;
    } cases[] = {
        { "en-US", "tintwell [", "Tintwell designs colour schemes", "tintwell: one scheme file at a time\n" },
        { "de-DE", "tintwell [", "Tintwell gestaltet Farbschemata", "tintwell: nur eine Schemadatei auf einmal\n" },
        { "fr-FR", "tintwell [", "Tintwell conçoit des schémas", "tintwell: un seul fichier de schéma à la fois\n" },
        { "es-ES", "tintwell [", "Tintwell diseña esquemas", "tintwell: solo un archivo de esquema a la vez\n" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        const InstalledTranslations installed = InstallTranslations({ c.language }, QStringLiteral(TW_QM_DIR), toolkit);
        const QString help = ReadCommandLine({ QStringLiteral("/usr/lib/x/tintwell-bin"), QStringLiteral("--help") }).text;
        const QString first = help.section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(first.contains(QStringLiteral(": ") + c.usage)) << first.toStdString();
        EXPECT_FALSE(help.contains(QStringLiteral("tintwell-bin"))) << help.toStdString();
        EXPECT_TRUE(help.contains(c.description)) << help.toStdString();
        // The toolkit's own words follow where the system has its translation (Debian's qt6-translations-l10n).
        if (installed.toolkit) {
            EXPECT_FALSE(first.startsWith(QStringLiteral("Usage:"))) << first.toStdString();
        }
        const CommandLine refused = ReadCommandLine({ QStringLiteral("tintwell"), QStringLiteral("a.tw"), QStringLiteral("b.tw") });
        EXPECT_EQ(refused.text, c.refusal);
        RemoveTranslators();
    }
}

TEST(Translations, AFolderWithoutTheLanguageLoadsNothing)
{
    QTemporaryDir empty;
    const InstalledTranslations installed = InstallTranslations({ QStringLiteral("de-DE") }, empty.path(), empty.path());
    EXPECT_TRUE(installed.language.isEmpty());
    EXPECT_FALSE(installed.toolkit);
    EXPECT_TRUE(QCoreApplication::instance()->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly).isEmpty());
}

TEST(ShownNumbers, FollowTheLocaleButNeverGroupThousands)
{
    struct Case {
        const char* locale;
        QString ratio;
        QString count;
    };
    const Case cases[] = {
        { "C", QStringLiteral("6.64:1"), QStringLiteral("65535") },
        { "en_US", QStringLiteral("6.64:1"), QStringLiteral("65535") },
        { "de_DE", QStringLiteral("6,64:1"), QStringLiteral("65535") },
        { "fr_FR", QStringLiteral("6,64:1"), QStringLiteral("65535") },
        { "es_ES", QStringLiteral("6,64:1"), QStringLiteral("65535") },
        { "ar_EG", QStringLiteral("\u0666\u066B\u0666\u0664:\u0661"), QStringLiteral("\u0666\u0665\u0665\u0663\u0665") },
    };
    const QLocale before;
    for (const Case& c : cases) {
        QLocale::setDefault(QLocale(QLatin1String(c.locale)));
        EXPECT_EQ(ShownDecimal(QStringLiteral("6.64:1")), c.ratio) << c.locale;
        EXPECT_EQ(ShownNumber(65535), c.count) << c.locale;
        // Text that is no number passes unchanged.
        EXPECT_EQ(ShownDecimal(QStringLiteral("AA")), QStringLiteral("AA")) << c.locale;
    }
    QLocale::setDefault(before);
}

TEST(ShownNumbers, TheContrastBadgeSpeaksTheLocaleAndTheLanguage)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QFile::copy(QStringLiteral(TW_QM_DIR "/tintwell_de.qm"), folder.filePath(QStringLiteral("tintwell_de.qm"))));
    struct Case {
        double ratio;
        ContrastGrade grade;
        const char* english;
        const char* german;
    };
    const Case cases[] = {
        { 6.64, ContrastGrade::AA, "6.64:1 AA", "6,64:1 AA" },
        { 16.83, ContrastGrade::AAA, "16.83:1 AAA", "16,83:1 AAA" },
        { 4.48, ContrastGrade::Fail, "4.48:1 Fail", "4,48:1 Ungen\u00FCgend" },
        { 21, ContrastGrade::AAA, "21:1 AAA", "21:1 AAA" },
    };
    const QLocale before;
    for (const bool german : { false, true }) {
        if (german) {
            QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
            ASSERT_FALSE(InstallTranslations({ QStringLiteral("de-DE") }, folder.path(), folder.path()).language.isEmpty());
        }
        for (const Case& c : cases) {
            const ContrastReading reading { nullptr, c.ratio, TextSize::Normal, c.grade };
            EXPECT_EQ(ContrastBadgeText(reading), QString::fromUtf8(german ? c.german : c.english)) << c.english;
        }
    }
    RemoveTranslators();
    QLocale::setDefault(before);
}

} // namespace
