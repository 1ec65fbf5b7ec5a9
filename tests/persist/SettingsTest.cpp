#include "persist/Settings.h"
#include "support/FileReplacements.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include <cerrno>

#include <sys/stat.h>

namespace {

// Typed values shown as text, so that keys of every type fit one table.
QString Text(std::optional<PaletteKind> kind)
{
    return kind ? QString::number(static_cast<int>(*kind)) : QStringLiteral("no palette");
}

QString Text(WheelMode mode)
{
    return mode == WheelMode::Traditional ? QStringLiteral("RYB") : QStringLiteral("RGB");
}

QString Text(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString Text(QPoint place)
{
    return QStringLiteral("%1,%2").arg(place.x()).arg(place.y());
}

ino_t Inode(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_ino;
}

const QRect kMainFrame(100, 50, 263, 300);

struct KeyCase {
    const char* section;
    const char* key;
    std::function<QString(const Settings&)> read;
    QString missing;                                   // what the key reads as when the file lacks it
    std::vector<std::pair<QByteArray, QString>> stored; // a value in the file, and what it reads as
    std::function<void(Settings&)> set;
    QByteArray written; // the value that set puts in the file
    QString readBack;   // what the next use reads
};

std::vector<KeyCase> KeyCases()
{
    const QByteArray notNumbers[] = { "", "abc", "1.5", "12abc", "99999999999" };
    std::vector<KeyCase> cases = {
        { "Main", "BaseColor", [](const Settings& s) { return QString::number(s.BaseColor(), 16); }, "ff",
            { { "65280", "ff00" }, { "$FF0000", "ff0000" }, { "0x1FF0000", "ff0000" }, { "-1", "ffffff" },
                { "abc", "ff" } },
            [](Settings& s) { s.SetBaseColor(0x123456); }, "1193046", "123456" },
        { "Prefs", "Palette", [](const Settings& s) { return Text(s.Palette()); }, "0",
            { { "2", "2" }, { "1", "1" }, { "3", "no palette" }, { "-1", "no palette" }, { "x", "0" } },
            [](Settings& s) { s.SetPalette(PaletteKind::WebsafeSpectrum); }, "2", "2" },
        { "Prefs", "RYBMode", [](const Settings& s) { return Text(s.Wheel()); }, "RYB",
            { { "0", "RGB" }, { "-3", "RYB" }, { "yes", "RYB" } },
            [](Settings& s) { s.SetWheel(WheelMode::Computer); }, "0", "RGB" },
        { "Prefs", "Highlight", [](const Settings& s) { return QString::number(static_cast<int>(s.Highlight())); },
            "0", { { "6", "6" }, { "$3", "3" }, { "7", "0" }, { "9", "0" }, { "-1", "0" }, { "x", "0" } },
            [](Settings& s) { s.SetHighlight(Harmony::Tetrads); }, "4", "4" },
        { "Prefs", "LInc", [](const Settings& s) { return QString::number(s.LightnessStep()); }, "5",
            { { "0", "0" }, { "25", "25" }, { " 12 ", "12" }, { "007", "7" }, { "26", "26" }, { "40", "40" },
                { "2147483647", "2147483647" }, { "2147483648", "5" }, { "-1", "5" }, { "$A", "5" } },
            [](Settings& s) { s.SetLightnessStep(17); }, "17", "17" },
        { "Prefs", "SInc", [](const Settings& s) { return QString::number(s.SaturationStep()); }, "5",
            { { "9", "9" }, { "99", "99" }, { "+3", "5" } }, [](Settings& s) { s.SetSaturationStep(0); }, "0", "0" },
        { "Prefs", "FavOnTop", [](const Settings& s) { return Text(s.FavoritesOnTop()); }, "false",
            { { "1", "true" }, { "$10", "true" }, { "yes", "false" } },
            [](Settings& s) { s.SetFavoritesOnTop(true); }, "1", "true" },
        { "Prefs", "RememberScheme", [](const Settings& s) { return Text(s.RememberScheme()); }, "true",
            { { "0", "false" }, { "true", "true" } }, [](Settings& s) { s.SetRememberScheme(false); }, "0",
            "false" },
        { "Preview", "ShowContrast", [](const Settings& s) { return Text(s.ShowContrast()); }, "false",
            { { "1", "true" }, { "yes", "false" } }, [](Settings& s) { s.SetShowContrast(true); }, "1", "true" },
        { "Prefs", "FavDelWarn", [](const Settings& s) { return Text(s.WarnBeforeDelete()); }, "false",
            { { "1", "true" }, { "no", "false" } }, [](Settings& s) { s.SetWarnBeforeDelete(true); }, "1", "true" },
        { "Prefs", "FavExitWarn", [](const Settings& s) { return Text(s.WarnBeforeExit()); }, "true",
            { { "0", "false" }, { "off", "true" } }, [](Settings& s) { s.SetWarnBeforeExit(false); }, "0", "false" },
        { "Prefs", "MoreCopyFormats", [](const Settings& s) { return Text(s.MoreCopyFormats()); }, "false",
            { { "1", "true" }, { "on", "false" } }, [](Settings& s) { s.SetMoreCopyFormats(true); }, "1", "true" },
    };
    // Not a number at all reads as the default, whatever the key's type.
    for (KeyCase& c : cases) {
        for (const QByteArray& bad : notNumbers)
            c.stored.emplace_back(bad, c.missing);
    }
    return cases;
}

TEST(Settings, EachKeyReadsItsDefaultWhenMissingOrUnusableAndItsValueWhenSet)
{
    for (const KeyCase& c : KeyCases()) {
        SCOPED_TRACE(c.key);
        TestFolder folder;
        EXPECT_EQ(c.read(Settings()), c.missing) << "no file";
        Put(SettingsPath(), "[Prefs]\n[Main]\n");
        EXPECT_EQ(c.read(Settings()), c.missing) << "no key";
        Put(SettingsPath(), QByteArray("[Other]\n") + c.key + "=1\n");
        EXPECT_EQ(c.read(Settings()), c.missing) << "the key under another section";

        for (const auto& [value, expected] : c.stored) {
            Put(SettingsPath(), QByteArray("[") + c.section + "]\n" + c.key + "=" + value + "\n");
            EXPECT_EQ(c.read(Settings()), expected) << "stored " << value.constData();
        }

        QFile::remove(SettingsPath());
        Settings settings;
        c.set(settings);
        EXPECT_EQ(c.read(settings), c.missing) << "a value set is not in the file before Commit";
        ASSERT_TRUE(settings.Commit().ok());
        EXPECT_EQ(Contents(SettingsPath()), QByteArray("[") + c.section + "]\n" + c.key + "=" + c.written + "\n");
        EXPECT_EQ(c.read(Settings()), c.readBack);
    }
}

TEST(Settings, WindowPlacesDefaultAroundTheMainWindowOneCoordinateAtATime)
{
    const struct {
        const char* section;
        std::function<QPoint(const Settings&)> read;
        std::function<void(Settings&, QPoint)> set;
        QString fallback;
    } cases[] = {
        { "Main", [](const Settings& s) { return s.MainPlace({ 11, 22 }); },
            [](Settings& s, QPoint p) { s.SetMainPlace(p); }, "11,22" },
        { "Favs", [](const Settings& s) { return s.FavoritesPlace(kMainFrame); },
            [](Settings& s, QPoint p) { s.SetFavoritesPlace(p); }, "363,50" },
        { "Preview", [](const Settings& s) { return s.PreviewPlace(kMainFrame, 333); },
            [](Settings& s, QPoint p) { s.SetPreviewPlace(p); }, "-233,50" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.section);
        TestFolder folder;
        EXPECT_EQ(Text(c.read(Settings())), c.fallback);
        const QByteArray header = QByteArray("[") + c.section + "]\n";
        Put(SettingsPath(), header + "Left=-7\n");
        EXPECT_EQ(Text(c.read(Settings())), "-7," + c.fallback.section(',', 1));
        Put(SettingsPath(), header + "Top=$10\nLeft=x\n");
        EXPECT_EQ(Text(c.read(Settings())), c.fallback.section(',', 0, 0) + ",16");

        QFile::remove(SettingsPath());
        Settings settings;
        c.set(settings, { -40, 1200 });
        ASSERT_TRUE(settings.Commit().ok());
        EXPECT_EQ(Contents(SettingsPath()), header + "Top=1200\nLeft=-40\n");
        EXPECT_EQ(c.read(Settings()), QPoint(-40, 1200));
    }
    EXPECT_EQ(Settings::DefaultFavoritesPlace(kMainFrame), QPoint(363, 50)) << "just right of the frame";
    EXPECT_EQ(Settings::DefaultPreviewPlace(kMainFrame, 333), QPoint(-233, 50));
}

// Everything a close and an Apply store, in the order they store it.
void SetAll(Settings& settings)
{
    settings.SetFavoritesPlace({ 400, 10 });
    settings.SetPreviewPlace({ 0, 10 });
    settings.SetMainPlace({ 130, 10 });
    settings.SetBaseColor(0x00FF00);
    settings.SetHighlight(Harmony::Triads);
    settings.SetWheel(WheelMode::Computer);
    settings.SetFavoritesOnTop(true);
    settings.SetWarnBeforeDelete(true);
    settings.SetWarnBeforeExit(false);
    settings.SetRememberScheme(false);
    settings.SetPalette(PaletteKind::Spectrum);
    settings.SetLightnessStep(7);
    settings.SetSaturationStep(25);
}

TEST(Settings, AllKeysSetAreWrittenInOneReplacementKeepingWhatElseTheFileHolds)
{
    TestFolder folder;
    Put(SettingsPath(), "; mine\r\n[Prefs]\r\nLInc=3\r\nExtra=keep\r\n");
    const ino_t before = Inode(SettingsPath());
    FileReplacements writes(SettingsPath());
    Settings settings;
    SetAll(settings);
    EXPECT_EQ(writes.Count(), 0);
    EXPECT_EQ(Inode(SettingsPath()), before);
    EXPECT_EQ(settings.LightnessStep(), 3) << "reads answer what the file holds until Commit";

    ASSERT_TRUE(settings.Commit().ok());
    EXPECT_EQ(writes.Count(), 1);
    EXPECT_EQ(Contents(SettingsPath()),
        "; mine\r\n[Prefs]\r\nLInc=7\r\nExtra=keep\r\nHighlight=3\r\nRYBMode=0\r\nFavOnTop=1\r\nFavDelWarn=1\r\n"
        "FavExitWarn=0\r\nRememberScheme=0\r\nPalette=1\r\nSInc=25\r\n"
        "\r\n[Favs]\r\nTop=10\r\nLeft=400\r\n"
        "\r\n[Preview]\r\nTop=10\r\nLeft=0\r\n"
        "\r\n[Main]\r\nTop=10\r\nLeft=130\r\nBaseColor=65280\r\n");
    EXPECT_EQ(settings.LightnessStep(), 7);

    ASSERT_TRUE(settings.Commit().ok());
    EXPECT_EQ(writes.Count(), 1) << "nothing new set, nothing written";
}

TEST(Settings, AFailedCommitLeavesTheFileAsItWasAndCanBeTriedAgain)
{
    TestFolder folder;
    const QByteArray original = "[Main]\nBaseColor=255\n";
    Put(SettingsPath(), original);
    Settings settings;
    SetAll(settings);
    {
        const UnwritableFolder frozen(folder.path());
        if (!frozen.made())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        FileReplacements writes(SettingsPath());
        EXPECT_FALSE(settings.Commit().ok());
        EXPECT_EQ(writes.Count(), 0);
        EXPECT_EQ(Contents(SettingsPath()), original);
        EXPECT_EQ(settings.BaseColor(), 0x0000FFu);
    }
    ASSERT_TRUE(settings.Commit().ok());
    EXPECT_EQ(Settings().BaseColor(), 0x00FF00u);
    EXPECT_EQ(Settings().SaturationStep(), 25);
}

TEST(Settings, AFileThatCannotBeUsedIsToldAndNeverWritten)
{
    TestFolder folder;
    Put(SettingsPath(), QByteArray("[Main]\nBaseColor=65280\n\0", 24));
    Settings settings;
    EXPECT_EQ(settings.BaseColor(), 0x0000FFu);
    EXPECT_TRUE(settings.UnusableMessage().contains("it is not a text file"));
    SetAll(settings);
    EXPECT_EQ(settings.Commit().kind, WriteOutcome::Kind::KeptUnusable);
    EXPECT_EQ(Contents(SettingsPath()), QByteArray("[Main]\nBaseColor=65280\n\0", 24));

    QFile::remove(SettingsPath());
    EXPECT_TRUE(Settings().UnusableMessage().isEmpty());
}

TEST(Settings, AFailedCommitIsExplainedWithItsReason)
{
    TestFolder folder;
    const QString path = SettingsPath();
    const QString folderSentence = ".  The folder " + QFileInfo(path).absolutePath() + " is not writable.";
    const struct {
        const char* name;
        WriteOutcome outcome;
        Settings::Kept kept;
        QString message;
    } cases[] = {
        { "written", {}, Settings::Kept::Settings, "" },
        { "disk full", { WriteOutcome::Kind::DiskFull, ENOSPC }, Settings::Kept::Settings,
            "The settings could not be saved in " + path },
        { "folder", { WriteOutcome::Kind::FolderNotWritable, EACCES }, Settings::Kept::Settings,
            "The settings could not be saved in " + path + folderSentence },
        { "preferences, folder", { WriteOutcome::Kind::FolderNotWritable, EACCES }, Settings::Kept::Preferences,
            "The preferences could not be saved in " + path + folderSentence },
        { "preferences, access", { WriteOutcome::Kind::AccessDenied, EACCES }, Settings::Kept::Preferences,
            "The preferences could not be saved in " + path },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Settings().CommitFailureMessage(c.outcome, c.kept), c.message);
    }
}

TEST(Settings, AFileThatCannotBeUsedIsReportedAgainWhenWrittenTo)
{
    TestFolder folder;
    ASSERT_TRUE(QDir().mkdir(SettingsPath()));
    Settings settings;
    settings.SetBaseColor(0x123456);
    const WriteOutcome outcome = settings.Commit();
    EXPECT_EQ(outcome.kind, WriteOutcome::Kind::KeptUnusable);
    EXPECT_EQ(settings.CommitFailureMessage(outcome),
        "The settings could not be saved in " + SettingsPath() + ": it is a folder.");
    EXPECT_TRUE(QFileInfo(SettingsPath()).isDir());
}

} // namespace
