// What start-up tells about files it cannot use, through the program's own start: the main window, its first
// paint, then the windows after it.
#include "favorites/TfrmFavorites.h"
#include "app/Application.h"
#include "main/TfrmMain.h"
#include "persist/IniFile.h"
#include "persist/SchemeFile.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <memory>
#include <sys/stat.h>

namespace {

class StartUp : public ::testing::Test {
protected:
    void TearDown() override { app.reset(); }

    // Starts the program as main() does and waits for its last windows.
    void Start(const QString& schemeFile = {})
    {
        app = std::make_unique<Application>();
        app->Show(schemeFile);
        ASSERT_TRUE(QTest::qWaitFor([] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<TfrmFavorites*>(w) && w->isVisible())
                    return true;
            return false;
        }));
    }

    void Exit()
    {
        Named<QAction>(app->Main(), "mnuFileExit")->trigger();
        ASSERT_FALSE(app->Main().isVisible());
    }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<Application> app;

    TfrmFavorites& Favorites() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* favorites = qobject_cast<TfrmFavorites*>(w))
                return *favorites;
        throw std::logic_error("no Favorites window");
    }
};

TEST_F(StartUp, ASettingsFileThatCannotBeUsedIsToldOnceWithTheReasonAndKept)
{
    const struct {
        const char* what;
        std::function<void(const QString&)> make;
        QString reason;
    } cases[] = {
        { "a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }, "it is a folder" },
        { "too large", [](const QString& path) { Put(path, "[Main]\nBaseColor=65280\n" + QByteArray(5 << 20, ' ')); },
            "it is larger than 4 MB, far more than settings ever take" },
        { "not text", [](const QString& path) { Put(path, QByteArray("[Main]\nBaseColor=65280\n\0", 24)); },
            "it is not a text file" },
        { "not a file", [](const QString& path) { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); },
            "it cannot be read (Invalid argument)" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = SettingsPath();
        c.make(path);
        const QFileInfo before(path);
        desktop.messages.clear();
        Start();
        EXPECT_EQ(desktop.messages,
            QStringList { "The settings in " + path + " cannot be used: " + c.reason
                + ".  Tintwell starts with its default settings and leaves that file as it is, so settings changed in "
                  "this run are not kept." });
        EXPECT_EQ(app->Main().BaseColor(), 255u) << "the defaults, not what the file may hold";

        // The exit keeps the file and says the settings were not kept: it may have been mended meanwhile, and
        // was not.
        Exit();
        EXPECT_EQ(desktop.messages.value(1), "The settings could not be saved in " + path + ": " + c.reason + ".");
        EXPECT_EQ(desktop.messages.size(), 2);
        const QFileInfo after(path);
        EXPECT_EQ(after.isDir(), before.isDir());
        EXPECT_EQ(after.size(), before.size());
        EXPECT_EQ(after.lastModified(), before.lastModified());
        EXPECT_TRUE(ReadSession().status == SessionReadStatus::Ok) << "the session is still kept";
        app.reset();
        QFile::remove(SessionPath());
        if (after.isDir())
            QDir().rmdir(path);
        else
            QFile::remove(path);
    }

    // A usable file says nothing.
    Put(SettingsPath(), "[Main]\rBaseColor=65280\r");
    desktop.messages.clear();
    Start();
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(app->Main().BaseColor(), 65280u);
}

TEST_F(StartUp, ADamagedSessionIsToldOnceAndKeptWhereTheMessageSays)
{
    const QByteArray damaged = QByteArray::fromHex("0300" "0300" "FF000000" "336699");
    folder.Write("session.tmp", damaged);
    Start();
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while opening the session.  The file was kept as "
                                    + folder.file("session-damaged.tmp") + "." });
    EXPECT_EQ(folder.Read("session-damaged.tmp"), damaged);

    Exit();
    EXPECT_EQ(ReadSession().status, SessionReadStatus::Ok);
    EXPECT_EQ(folder.Read("session-damaged.tmp"), damaged);
}

TEST_F(StartUp, ASchemeNamedOnTheCommandLineIsOpenedOnceTheWindowsAreUpAsOpenSchemeWould)
{
    SchemeData scheme;
    scheme.baseColor = 0x336699;
    scheme.favorites = { TFavColor::FromColor(0x112233), TFavColor::FromColor(0x445566) };
    ASSERT_EQ(WriteSchemeFile(folder.file("named.tw"), scheme), SchemeWriteStatus::Ok);
    Start(folder.file("named.tw"));
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(app->Main().BaseColor(), 0x336699u);
    EXPECT_EQ(Favorites().Model().FavColors(), scheme.favorites);
    EXPECT_FALSE(app->Main().SchemeModified());
    Exit();
}

TEST_F(StartUp, ASchemeOnTheCommandLineThatCannotBeOpenedIsToldAsOpenSchemeTellsItAndChangesNothing)
{
    Put(folder.file("not-a-scheme.tw"), "\x04\x00 not a scheme");
    const struct {
        QString file;
        const char* message;
    } cases[] = {
        { folder.file("missing.tw"), SchemeMessages::kOpenFailed },
        { folder.file("not-a-scheme.tw"), SchemeMessages::kNotValid },
        { folder.path(), SchemeMessages::kOpenFailed },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        desktop.messages.clear();
        Start(c.file);
        EXPECT_EQ(desktop.messages, QStringList { QString::fromLatin1(c.message) });
        EXPECT_EQ(app->Main().BaseColor(), 255u);
        EXPECT_EQ(Favorites().Model().Count(), 0);
        app.reset();
    }
}

} // namespace
