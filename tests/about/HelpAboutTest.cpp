#include "about/HelpCommands.h"
#include "about/TfrmAbout.h"
#include "main/TfrmMain.h"
#include "platform/Artwork.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class HelpAboutTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<TfrmMain>();
        about = std::make_unique<TfrmAbout>();
        ConnectHelpMenu(*main, *about, {});
        main->show();
    }

    // The box's controls, found by their object names.
    QLabel* Picture() const { return Named<QLabel>(*about, "imgBackground"); }
    QLabel* Notice() const { return Named<QLabel>(*about, "lblNotice"); }
    QLabel* Website() const { return Named<QLabel>(*about, "lblWebsite"); }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmAbout> about;
};

TEST_F(HelpAboutTest, F1OpensTheHelpFileFoundFromTheExecutableWhateverTheWorkingFolder)
{
    const QString startedIn = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QDir::tempPath()));
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    QTest::keyClick(main.get(), Qt::Key_F1);
    QDir::setCurrent(startedIn);

    ASSERT_EQ(desktop.opened.size(), 1);
    // No help beside the test program: the installed place, from the program's own folder.
    const QString expected = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/tintwell/help/index.html");
    EXPECT_EQ(desktop.opened[0], expected);
    EXPECT_TRUE(QDir::isAbsolutePath(desktop.opened[0]));
}

TEST(HelpFilePathTest, OpensThePageOfTheProgramsLanguageAndTheEnglishOneWhereThatLanguageHasNone)
{
    TestFolder root;
    // A build or portable folder with a German page beside the program, and an installation with a Spanish one.
    for (const QString page : { "copy/tintwell/help/index.html", "copy/tintwell/help/de/index.html",
             "share/tintwell/help/index.html", "share/tintwell/help/es/index.html" }) {
        ASSERT_TRUE(QDir(root.path()).mkpath(QFileInfo(page).path()));
        root.Write(page, "<html></html>");
    }
    ASSERT_TRUE(QDir(root.path()).mkpath("bin"));
    const struct {
        const char* program;
        const char* language;
        const char* expected;
    } cases[] = {
        { "copy/tintwell", "", "copy/tintwell/help/index.html" },
        { "copy/tintwell", "de", "copy/tintwell/help/de/index.html" },
        { "copy/tintwell", "de_AT", "copy/tintwell/help/de/index.html" },
        { "copy/tintwell", "fr", "copy/tintwell/help/index.html" },
        { "copy/tintwell", "es", "copy/tintwell/help/index.html" },
        { "bin", "", "share/tintwell/help/index.html" },
        { "bin", "es_MX", "share/tintwell/help/es/index.html" },
        { "bin", "de", "share/tintwell/help/index.html" },
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpFilePath(root.file(c.program), c.language).toStdString(), root.file(c.expected).toStdString())
            << c.program << " in '" << c.language << "'";
}

TEST_F(HelpAboutTest, WebEntriesOpenTheirPlainAddressesOnTheProductHost)
{
    EXPECT_TRUE(Named<QAction>(*main, "mnuHelpWebsite")->isEnabled());
    Named<QAction>(*main, "mnuHelpWebsite")->trigger();
    Named<QAction>(*main, "mnuHelpForums")->trigger();
    Named<QAction>(*main, "mnuHelpTutorial")->trigger();
    EXPECT_EQ(desktop.opened, QStringList({ "http://www.tintwell.example", "http://www.tintwell.example/forums/",
                                  "http://www.tintwell.example/tutorial.html" }));
}

TEST_F(HelpAboutTest, PictureIsDrawnWhenTheBoxFirstShows)
{
    EXPECT_TRUE(Picture()->pixmap().isNull()) << "a box never shown draws nothing";
    about->show();
    const QPixmap picture = Picture()->pixmap();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.deviceIndependentSize().toSize(), QSize(450, 250));
    EXPECT_EQ(picture.devicePixelRatio(), about->devicePixelRatioF());
    // The plain light band along the bottom, where the two lines of small print sit.
    const qreal dpr = picture.devicePixelRatio();
    EXPECT_EQ(picture.toImage().pixel(qRound(5 * dpr), qRound(240 * dpr)), qRgb(0xe9, 0xed, 0xf2));
}

TEST_F(HelpAboutTest, PictureDrawnAtAnotherRatioIsDrawnAgainAtTheBoxsOwn)
{
    // As after a move from a screen of another scale: the picture held is at a ratio the box no longer has.
    QPixmap stale(QSize(900, 500));
    stale.setDevicePixelRatio(about->devicePixelRatioF() * 2);
    stale.fill(Qt::black);
    Picture()->setPixmap(stale);
    const QImage shown = about->grab().toImage();
    EXPECT_EQ(Picture()->pixmap().devicePixelRatio(), about->devicePixelRatioF());
    EXPECT_EQ(shown.pixel(qRound(5 * shown.devicePixelRatio()), qRound(240 * shown.devicePixelRatio())),
        qRgb(0xe9, 0xed, 0xf2));
}

TEST_F(HelpAboutTest, WebsiteLabelOpensTheHomePageAndLeavesTheBoxOpen)
{
    about->show();
    EXPECT_EQ(Website()->text(), ProductHost());
    EXPECT_EQ(Website()->cursor().shape(), AppCursor(CursorId::Hand).shape());
    mouse::Click(Website(), { 50, 5 });
    EXPECT_EQ(desktop.opened, QStringList({ "http://www.tintwell.example" }));
    EXPECT_TRUE(about->isVisible());

    // The small print is no button either way.
    mouse::Click(Notice(), { 10, 5 });
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(desktop.opened.size(), 1);

    // A press that slides off the picture before the release is no click.
    mouse::Press(Picture(), { 100, 100 });
    mouse::Release(Picture(), { 500, 100 });
    EXPECT_TRUE(about->isVisible());

    mouse::Click(Picture(), { 300, 60 });
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(desktop.opened.size(), 1);
}

TEST_F(HelpAboutTest, AboutCommandShowsTheBoxModallyCentredUntilThePictureIsClicked)
{
    bool wasModal = false;
    QRect shownAt;
    QTimer::singleShot(0, about.get(), [&] {
        wasModal = about->isModal() && QApplication::activeModalWidget() == about.get();
        shownAt = about->frameGeometry();
        mouse::Click(Picture(), { 20, 20 });
    });
    // Never hang the suite if the click failed to close it.
    QTimer::singleShot(3000, about.get(), [&] { about->reject(); });
    Named<QAction>(*main, "mnuHelpAbout")->trigger();

    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(shownAt.size(), QSize(450, 250)); // no border, no caption
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(shownAt.topLeft(), QPoint((screen.width() - 450) / 2, (screen.height() - 250) / 2));
    EXPECT_TRUE(about->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(HelpAboutTest, BandTextIsDarkOnTheLightBandAndFitsItsLabels)
{
    about->show();
    const QImage box = about->grab().toImage();
    ASSERT_EQ(box.size(), QSize(450, 250));
    // The band between the two labels is the artwork's plain light grey.
    EXPECT_EQ(box.pixel(300, 240) & 0xFFFFFF, 0xE9EDF2u);
    EXPECT_EQ(box.pixel(5, 225) & 0xFFFFFF, 0xE9EDF2u);

    for (const QLabel* label : { Notice(), Website() }) {
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
        int darkest = 255;
        for (int y = label->y(); y < label->y() + label->height(); ++y) {
            for (int x = label->x(); x < label->x() + label->width(); ++x)
                darkest = std::min(darkest, qGray(box.pixel(x, y)));
        }
        EXPECT_LT(darkest, 110) << label->objectName().toStdString();
    }
}

} // namespace
