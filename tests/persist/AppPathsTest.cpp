#include "persist/AppPaths.h"
#include "persist/SchemeFile.h"
#include "persist/Settings.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

#include <sys/stat.h>

namespace {

// Sets an environment variable (or removes it, for nullopt) while it lives.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<QString>& value)
        : m_name(name)
    {
        if (qEnvironmentVariableIsSet(name))
            m_previous = qgetenv(name);
        if (value)
            qputenv(name, QFile::encodeName(*value));
        else
            qunsetenv(name);
    }
    ~ScopedEnv()
    {
        if (m_previous)
            qputenv(m_name, *m_previous);
        else
            qunsetenv(m_name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_previous;
};

// A scratch home: the desktop's per-user folders point into it while it lives.
struct ScratchHome {
    QTemporaryDir dir;
    ScopedEnv config { "XDG_CONFIG_HOME", dir.filePath("config") };
    ScopedEnv data { "XDG_DATA_HOME", dir.filePath("data") };
    QString Config() const { return dir.filePath("config/tintwell"); }
    QString Data() const { return dir.filePath("data/tintwell"); }
};

} // namespace

TEST(AppPaths, ASettingsFileBesideTheProgramKeepsBothFilesThereOtherwiseEachGoesToItsPerUserFolder)
{
    struct Case {
        const char* name;
        void (*prepare)(const QDir& program);
        bool portable;
    };
    const Case cases[] = {
        { "nothing beside the program", [](const QDir&) {}, false },
        { "a settings file", [](const QDir& p) { Put(p.filePath("tw3.ini"), "[Main]\n"); }, true },
        { "an empty settings file", [](const QDir& p) { Put(p.filePath("tw3.ini"), ""); }, true },
        { "a folder in the settings file's place", [](const QDir& p) { p.mkdir("tw3.ini"); }, true },
        { "a link that leads nowhere", [](const QDir& p) { QFile::link(p.filePath("gone"), p.filePath("tw3.ini")); }, true },
        { "only a session", [](const QDir& p) { Put(p.filePath("session.tmp"), "x"); }, false },
        { "a settings file under another name", [](const QDir& p) { Put(p.filePath("TW3.INI"), ""); }, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir program;
        c.prepare(QDir(program.path()));
        const AppFolders folders = ChooseAppFolders(program.path(), "/home/u/.config", "/home/u/.local/share");
        if (c.portable) {
            EXPECT_EQ(folders.settings, program.path());
            EXPECT_EQ(folders.session, program.path());
        } else {
            EXPECT_EQ(folders.settings, "/home/u/.config/tintwell");
            EXPECT_EQ(folders.session, "/home/u/.local/share/tintwell");
        }
    }
}

TEST(AppPaths, TheRunningProgramUsesTheDesktopsPerUserFoldersOrTheirDefaultsUnderHome)
{
    ASSERT_FALSE(QFile::exists(QDir(QCoreApplication::applicationDirPath()).filePath("tw3.ini")))
        << "a settings file beside the test program makes it a portable copy";
    {
        ScopedEnv config("XDG_CONFIG_HOME", "/elsewhere/cfg");
        ScopedEnv data("XDG_DATA_HOME", "/elsewhere/data");
        EXPECT_EQ(SettingsPath(), "/elsewhere/cfg/tintwell/tw3.ini");
        EXPECT_EQ(SessionPath(), "/elsewhere/data/tintwell/session.tmp");
    }
    // Unset, empty or relative: the defaults under the home folder.
    for (const std::optional<QString>& unusable : { std::optional<QString>(), std::optional<QString>(""),
             std::optional<QString>("relative/folder") }) {
        SCOPED_TRACE(unusable ? unusable->toStdString() : "unset");
        ScopedEnv home("HOME", "/home/someone");
        ScopedEnv config("XDG_CONFIG_HOME", unusable);
        ScopedEnv data("XDG_DATA_HOME", unusable);
        EXPECT_EQ(SettingsPath(), "/home/someone/.config/tintwell/tw3.ini");
        EXPECT_EQ(SessionPath(), "/home/someone/.local/share/tintwell/session.tmp");
    }
    {
        TestFolder folder;
        EXPECT_EQ(SettingsPath(), folder.file("tw3.ini"));
        EXPECT_EQ(SessionPath(), folder.file("session.tmp"));
    }
}

TEST(AppPaths, TheFirstWritesMakeTheMissingFoldersAndPutNothingBesideTheProgram)
{
    ScratchHome home;
    // The user's own default for new folders, whatever it is.
    const mode_t previousMask = ::umask(027);
    Settings settings;
    settings.SetBaseColor(0x123456);
    const bool written = settings.Commit().ok();
    const bool sessionWritten = WriteSession(SchemeData {}) == SchemeWriteStatus::Ok;
    ::umask(previousMask);
    ASSERT_TRUE(written && sessionWritten);
    for (const QString& folder : { home.Config(), home.Data(), home.dir.filePath("config"), home.dir.filePath("data") }) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(folder).constData(), &info), 0) << folder.toStdString();
        EXPECT_EQ(info.st_mode & 0777, 0750u) << folder.toStdString();
    }
    EXPECT_EQ(Settings(home.Config() + "/tw3.ini").BaseColor(), 0x123456u);
    EXPECT_TRUE(QFile::exists(home.Data() + "/session.tmp"));
    EXPECT_FALSE(QFile::exists(home.Config() + "/session.tmp"));
    const QDir program(QCoreApplication::applicationDirPath());
    EXPECT_FALSE(program.exists("tw3.ini"));
    EXPECT_FALSE(program.exists("session.tmp"));
}

TEST(AppPaths, FoldersThatCannotBeMadeFailTheWriteWithTheRealPathInItsMessage)
{
    QTemporaryDir scratch;
    Put(scratch.filePath("file"), "not a folder");
    ScopedEnv config("XDG_CONFIG_HOME", scratch.filePath("file/config"));
    ScopedEnv data("XDG_DATA_HOME", scratch.filePath("file/data"));

    Settings settings;
    settings.SetBaseColor(0x123456);
    const WriteOutcome outcome = settings.Commit();
    EXPECT_FALSE(outcome.ok());
    EXPECT_TRUE(settings.CommitFailureMessage(outcome).contains(scratch.filePath("file/config/tintwell/tw3.ini")))
        << settings.CommitFailureMessage(outcome).toStdString();
    EXPECT_EQ(SessionPath(), scratch.filePath("file/data/tintwell/session.tmp"));
    EXPECT_NE(WriteSession(SchemeData {}), SchemeWriteStatus::Ok);
}

TEST(AppPaths, TheProgramsOwnFilesAreBesideItOrWhereTheInstallationBesideItsFolderKeepsThem)
{
    QTemporaryDir prefix;
    const QDir root(prefix.path());
    ASSERT_TRUE(root.mkpath("bin") && root.mkpath("share/tintwell/help"));
    Put(root.filePath("share/tintwell/help/index.html"), "installed");
    EXPECT_EQ(ProgramDataPath(root.filePath("bin"), "help/index.html"), root.filePath("share/tintwell/help/index.html"));
    // Nothing installed either: still the installed place, for the desktop to say it is missing.
    EXPECT_EQ(ProgramDataPath(root.filePath("bin"), "help/other.html"), root.filePath("share/tintwell/help/other.html"));
    ASSERT_TRUE(root.mkpath("bin/help"));
    Put(root.filePath("bin/help/index.html"), "beside");
    EXPECT_EQ(ProgramDataPath(root.filePath("bin"), "help/index.html"), root.filePath("bin/help/index.html"));
}
