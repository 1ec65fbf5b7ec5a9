#include "Documents.h"
#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "app/DocumentCommands.h"
#include "persist/SchemeFile.h"
#include "persist/Session.h"
#include "persist/Settings.h"
#include "preview/TfrmPreview.h"
#include "prefs/TfrmPreferences.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace {

using platform::Answer;

const QString kBeforeOpen = "Your current color scheme has changed.  Save before opening a new scheme?";
const QString kBeforeNew = "Your current color scheme has changed.  Save before creating a new scheme?";
const QString kBeforeExit = "Your current color scheme has changed.  Save before exiting?";

// The worked examples: base colour pure red, the default page, and one favourite #336699 or none.
const QByteArray kOneFavorite = QByteArray::fromHex("0300" "0100" "FF000000"
                                                     "33669900" "07000000" "23333336363939" "336699"
                                                     "06333336363939" "00"
                                                     "00000000" "00000000" "00000000" "00000000" "00000000"
                                                     "FFFFFF00" "E6E6E600" "E6E6E600" "FFFFFF00");
const QByteArray kNoFavorites = QByteArray::fromHex("0300" "0000" "FF000000"
                                                    "00000000" "00000000" "00000000" "00000000" "00000000"
                                                    "FFFFFF00" "E6E6E600" "E6E6E600" "FFFFFF00");

// A scheme file with every field of its own: two favourites (one with an empty Text, both marked expanded),
// a page whose links and backgrounds are not the defaults, and a base colour with a stray top byte.
QByteArray OwnSchemeFile()
{
    return QByteArray::fromHex("0300" "0200" "11223344"
                               "0A141E00" "00000000" "0A141E" "06304131343145" "01"
                               "C8966400" "04000000" "6E616D65" "C89664" "03433836" "000000" "01"
                               "01000000" "02000000" "03000000" "04000000" "05000000"
                               "06000000" "07000000" "08000000" "09000000");
}

PreviewColors OwnPage()
{
    return { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
}

// The old text format with slots 1 and 3 empty.
const QByteArray kVersion2File = "TWver2\r\n0\r\n128\r\n255\r\n\r\n\r\n"
                                 "---\r\n51.102.153\r\n---.x\r\n1.2.3\r\n300.256.511\r\n"
                                 "16777215\r\n 15132390\r\n15132390 \r\n16777215\r\n"
                                 "10\r\n11\r\n12\r\n13\r\n14\r\n";

std::vector<ColorValue> ColorsOf(const FavColorList& list)
{
    std::vector<ColorValue> colors;
    for (const TFavColor& fav : list)
        colors.push_back(fav.Color);
    return colors;
}

} // namespace

TEST_F(Documents, FileEntriesAndToolButtonsAreEnabled)
{
    for (QAction* entry : { Named<QAction>(*main, "mnuFileNew"), Named<QAction>(*main, "mnuFileOpen"),
             Named<QAction>(*main, "mnuFileSave"), Named<QAction>(*main, "mnuFileExit") })
        EXPECT_TRUE(entry->isEnabled()) << entry->objectName().toStdString();
    EXPECT_TRUE(Named<QToolButton>(*main, "tbOpen")->isEnabled());
    EXPECT_TRUE(Named<QToolButton>(*main, "tbSave")->isEnabled());
    EXPECT_EQ(Named<QAction>(*main, "mnuFileNew")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(Named<QAction>(*main, "mnuFileOpen")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(Named<QAction>(*main, "mnuFileSave")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

TEST_F(Documents, SaveWritesTheWorkedExamplesByteForByte)
{
    ASSERT_EQ(main->SchemeColors()[0], Pack(255, 0, 0));
    desktop.saveChoices = { folder.file("none.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_EQ(folder.Read("none.tw"), kNoFavorites);

    AddFavorites({ Pack(0x33, 0x66, 0x99) });
    ASSERT_TRUE(main->SchemeModified());
    desktop.saveChoices = { folder.file("one.tw") };
    Named<QAction>(*main, "mnuFileSave")->trigger();
    EXPECT_EQ(folder.Read("one.tw"), kOneFavorite);
    EXPECT_FALSE(main->SchemeModified());
    EXPECT_TRUE(desktop.messages.isEmpty());

    // One filter, the default extension, and the name chosen last time offered again.
    ASSERT_EQ(desktop.dialogRequests.size(), 2u);
    EXPECT_EQ(desktop.dialogRequests[0].filter, "Color Scheme File (*.tw)");
    EXPECT_EQ(desktop.dialogRequests[0].defaultSuffix, "tw");
    EXPECT_EQ(desktop.dialogRequests[0].initialPath, "");
    EXPECT_EQ(desktop.dialogRequests[1].initialPath, folder.file("none.tw"));
}

TEST_F(Documents, SaveWritesTheBaseAsShownAndThePageAsItIs)
{
    main->SetBaseColor(Pack(10, 20, 30));
    SetPage(kLinkText, Pack(1, 2, 3));
    SetPage(kNavBG, Pack(4, 5, 6));
    desktop.saveChoices = { folder.file("page.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    const SchemeRead read = ReadSchemeFile(folder.file("page.tw"), VersionCheck::Required);
    ASSERT_EQ(read.status, SchemeReadStatus::Ok);
    EXPECT_EQ(read.scheme.baseColor, Pack(10, 20, 30));
    EXPECT_EQ(read.scheme.preview, preview->Colors());
    EXPECT_TRUE(read.scheme.favorites.empty());
}

TEST_F(Documents, SaveThatWritesNothingKeepsTheSchemeUnsaved)
{
    AddFavorites({ Pack(1, 2, 3) });
    desktop.saveChoices = { std::nullopt, folder.file("missing folder/x.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(main->SchemeModified());

    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while saving the scheme file" });
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

TEST_F(Documents, MoreFavoritesThanTheCountHoldsAreRefusedAndTheOldFileKept)
{
    folder.Write("big.tw", kOneFavorite);
    FavColorList many(kMaxSchemeFavorites + 1, TFavColor::FromColor(Pack(9, 9, 9)));
    Model().Replace(many);
    main->MarkSchemeModified();
    desktop.saveChoices = { folder.file("big.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_EQ(desktop.messages, QStringList { SchemeMessages::kTooManyFavorites });
    EXPECT_EQ(folder.Read("big.tw"), kOneFavorite);
    EXPECT_TRUE(main->SchemeModified());

    // One fewer fits.
    Model().Replace(FavColorList(kMaxSchemeFavorites, TFavColor::FromColor(Pack(9, 9, 9))));
    desktop.saveChoices = { folder.file("big.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(folder.Read("big.tw").size(), 44 + (19 + 7) * qsizetype(kMaxSchemeFavorites));
    EXPECT_FALSE(main->SchemeModified());
}

TEST_F(Documents, OpenShowsTheFileAsTheDocument)
{
    folder.Write("own.tw", OwnSchemeFile());
    const int historyBefore = main->HistoryCount();
    desktop.openChoices = { folder.file("own.tw") };
    Named<QToolButton>(*main, "tbOpen")->click();

    EXPECT_TRUE(desktop.messages.isEmpty());
    ASSERT_EQ(Favorites().size(), 2u);
    EXPECT_EQ(Favorites()[0].Color, Pack(10, 20, 30));
    EXPECT_EQ(Favorites()[0].Text, ""); // a zero length consumes no text bytes
    EXPECT_EQ(Favorites()[0].Hex, "0A141E");
    EXPECT_EQ(Favorites()[1].Text, "name");
    EXPECT_EQ(Favorites()[1].Hex, "C86"); // taken as the file has it
    for (const TFavColor& fav : Favorites())
        EXPECT_FALSE(fav.Expanded);
    EXPECT_EQ(Model().FavSelected(), 0);
    EXPECT_TRUE(ToolButtonsEnabled());
    EXPECT_EQ(preview->Colors(), OwnPage());
    EXPECT_EQ(main->SchemeColors()[0], Pack(0x11, 0x22, 0x33));
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "112233");
    EXPECT_EQ(main->HistoryCount(), historyBefore + 1);
    EXPECT_FALSE(main->SchemeModified());
    EXPECT_EQ(desktop.dialogRequests.front().filter, "Color Scheme File (*.tw)");
    EXPECT_EQ(desktop.dialogRequests.front().defaultSuffix, "tw");

    // Saved again, the entries are as they were read, now collapsed; the base colour without its stray byte.
    desktop.saveChoices = { folder.file("again.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    QByteArray expected = OwnSchemeFile();
    expected[7] = 0;
    expected[8 + 19 - 1] = 0;
    expected[8 + 19 + 23 - 1] = 0;
    EXPECT_EQ(folder.Read("again.tw"), expected);

    // The open dialog offers the file opened last.
    desktop.openChoices = { std::nullopt };
    Named<QToolButton>(*main, "tbOpen")->click();
    EXPECT_EQ(desktop.dialogRequests.back().initialPath, folder.file("own.tw"));
}

TEST_F(Documents, OpenOfAnEmptySchemeDisablesTheFavoritesButtons)
{
    AddFavorites({ Pack(1, 2, 3) });
    desktop.saveChoices = { folder.file("a.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    folder.Write("empty.tw", kNoFavorites);
    desktop.openChoices = { folder.file("empty.tw") };
    Named<QAction>(*main, "mnuFileOpen")->trigger();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_FALSE(ToolButtonsEnabled());
    EXPECT_EQ(main->SchemeColors()[0], Pack(255, 0, 0));
}

TEST_F(Documents, OpenOfABadFileChangesNothing)
{
    AddFavorites({ Pack(1, 2, 3), Pack(4, 5, 6) });
    SetPage(kMainBG, Pack(7, 8, 9));
    const PreviewColors page = preview->Colors();
    main->SetBaseColor(Pack(40, 50, 60));
    const int history = main->HistoryCount();

    QByteArray wrongVersion = OwnSchemeFile();
    wrongVersion[0] = 2;
    QByteArray truncated = OwnSchemeFile().chopped(1);
    QByteArray longer = OwnSchemeFile() + '\0';
    QByteArray hugeText = OwnSchemeFile();
    hugeText[8 + 4 + 3] = char(0x7F);
    const struct {
        const char* name;
        QByteArray bytes;
    } bad[] = { { "version.tw", wrongVersion }, { "short.tw", truncated }, { "long.tw", longer },
        { "text.tw", hugeText }, { "empty.tw", "" } };
    for (const auto& file : bad) {
        SCOPED_TRACE(file.name);
        folder.Write(file.name, file.bytes);
        desktop.messages.clear();
        desktop.answers = { Answer::No };
        desktop.openChoices = { folder.file(file.name) };
        Named<QToolButton>(*main, "tbOpen")->click();
        EXPECT_EQ(desktop.messages, QStringList { "Not a valid Color Scheme File!" });
        EXPECT_EQ(ColorsOf(Favorites()), (std::vector<ColorValue> { Pack(1, 2, 3), Pack(4, 5, 6) }));
        EXPECT_EQ(preview->Colors(), page);
        EXPECT_EQ(main->SchemeColors()[0], Pack(40, 50, 60));
        EXPECT_EQ(main->HistoryCount(), history);
        EXPECT_TRUE(main->SchemeModified());
        EXPECT_EQ(folder.Read(file.name), file.bytes);
    }

    desktop.messages.clear();
    desktop.answers = { Answer::No };
    desktop.openChoices = { folder.file("gone.tw") };
    Named<QToolButton>(*main, "tbOpen")->click();
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while opening the scheme file" });
    EXPECT_EQ(Favorites().size(), 2u);
}

TEST_F(Documents, OpenConvertsAnOldFileAndShowsIt)
{
    folder.Write("old.tw", kVersion2File);
    desktop.openChoices = { folder.file("old.tw") };
    Named<QToolButton>(*main, "tbOpen")->click();

    EXPECT_EQ(desktop.messages, QStringList { "Successfully converted old file type to new v3 format!" });
    ASSERT_EQ(Favorites().size(), 3u);
    EXPECT_EQ(ColorsOf(Favorites()), (std::vector<ColorValue> { Pack(51, 102, 153), Pack(1, 2, 3), Pack(44, 0, 255) }));
    EXPECT_EQ(Favorites()[0].Text, "Color 1");
    EXPECT_EQ(Favorites()[1].Text, "Color 2");
    EXPECT_EQ(Favorites()[2].Text, "Color 3");
    EXPECT_EQ(Favorites()[2].Hex, "2C00FF");
    EXPECT_EQ(main->SchemeColors()[0], Pack(0, 128, 255));
    EXPECT_EQ(preview->Colors(),
        (PreviewColors { 10, 11, 12, 13, 14, 16777215, 15132390, 15132390, 16777215 }));
    EXPECT_FALSE(main->SchemeModified());

    // The file on disk is now the current format with the same scheme.
    const SchemeRead onDisk = ReadSchemeFile(folder.file("old.tw"), VersionCheck::Required);
    ASSERT_EQ(onDisk.status, SchemeReadStatus::Ok);
    EXPECT_EQ(onDisk.scheme.favorites, Favorites());
    EXPECT_EQ(onDisk.scheme.baseColor, Pack(0, 128, 255));
}

TEST_F(Documents, AnOldFileThatCannotBeConvertedShowsOnlyItsMessage)
{
    AddFavorites({ Pack(1, 2, 3) });
    main->ClearSchemeModified();
    QByteArray slotWithTwoParts = kVersion2File;
    slotWithTwoParts.replace("1.2.3", "1.2");
    for (const QByteArray& bytes : { slotWithTwoParts, QByteArray("TWver2\r\n1\r\n2\r\n3\r\n") }) {
        folder.Write("bad.tw", bytes);
        desktop.messages.clear();
        desktop.openChoices = { folder.file("bad.tw") };
        Named<QToolButton>(*main, "tbOpen")->click();
        EXPECT_EQ(desktop.messages, QStringList { "ERROR: Not a valid .tw version 2 file!" });
        EXPECT_EQ(folder.Read("bad.tw"), bytes);
        EXPECT_EQ(ColorsOf(Favorites()), std::vector<ColorValue> { Pack(1, 2, 3) });
    }
}

TEST_F(Documents, NewEmptiesTheDocumentAndKeepsTheMainWindowsColors)
{
    AddFavorites({ Pack(1, 2, 3), Pack(4, 5, 6) });
    SetPage(kLinkText, Pack(9, 9, 9));
    main->SetBaseColor(Pack(40, 50, 60));
    main->SetBaseColor(Pack(70, 80, 90));
    Named<QAction>(*main, "mnuRGB")->trigger();
    const int history = main->HistoryCount();
    const SchemeColorArray scheme = main->SchemeColors();

    desktop.answers = { Answer::No };
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_EQ(desktop.questions, QStringList { kBeforeNew });
    EXPECT_TRUE(Favorites().empty());
    EXPECT_FALSE(ToolButtonsEnabled());
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
    EXPECT_FALSE(main->SchemeModified());
    EXPECT_EQ(main->SchemeColors(), scheme);
    EXPECT_EQ(main->HistoryCount(), history);
    EXPECT_TRUE(Named<QAction>(*main, "mnuRGB")->isChecked());
    EXPECT_TRUE(desktop.saveChoices.empty());
}

TEST_F(Documents, NoQuestionWithoutChanges)
{
    // A changed base colour is no change to the document.
    main->SetBaseColor(Pack(10, 20, 30));
    desktop.openChoices = { std::nullopt };
    Named<QToolButton>(*main, "tbOpen")->click();
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_TRUE(Exit());
    EXPECT_TRUE(desktop.questions.isEmpty());
}

TEST_F(Documents, QuestionBeforeOpenAndNew)
{
    AddFavorites({ Pack(1, 2, 3) });

    // Cancel abandons the command.
    desktop.answers = { Answer::Cancel, Answer::Cancel };
    Named<QToolButton>(*main, "tbOpen")->click();
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_EQ(desktop.questions, (QStringList { kBeforeOpen, kBeforeNew }));
    EXPECT_TRUE(desktop.dialogRequests.empty());
    EXPECT_EQ(Favorites().size(), 1u);
    EXPECT_TRUE(main->SchemeModified());

    // Yes saves first and then goes on, even when the save dialog is cancelled.
    folder.Write("empty.tw", kNoFavorites);
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { folder.file("kept.tw") };
    desktop.openChoices = { folder.file("empty.tw") };
    Named<QToolButton>(*main, "tbOpen")->click();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_EQ(ReadSchemeFile(folder.file("kept.tw"), VersionCheck::Required).scheme.favorites.size(), 1u);

    AddFavorites({ Pack(4, 5, 6) });
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { std::nullopt };
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_FALSE(main->SchemeModified());

    // A save that fails keeps the scheme: going on would throw away what the user asked to keep.
    AddFavorites({ Pack(7, 8, 9) });
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { folder.file("no such folder/x.tw") };
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while saving the scheme file" });
    EXPECT_EQ(Favorites().size(), 1u);
    EXPECT_TRUE(main->SchemeModified());
}

TEST_F(Documents, ExitQuestionAfterDeletingAFavorite)
{
    AddFavorites({ Pack(1, 2, 3), Pack(4, 5, 6) });
    desktop.saveChoices = { folder.file("saved.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    Model().Select(0);
    Model().DeleteSelectedFavorite();
    ASSERT_TRUE(main->SchemeModified());

    // Cancel: still running, still unsaved, nothing written.
    desktop.answers = { Answer::Cancel };
    EXPECT_FALSE(Exit());
    EXPECT_EQ(desktop.questions, QStringList { kBeforeExit });
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_FALSE(FileExists("session.tmp"));
    EXPECT_FALSE(FileExists("tw3.ini"));

    // No: ends without a scheme file, but with the session.
    desktop.answers = { Answer::No };
    EXPECT_TRUE(Exit());
    EXPECT_EQ(ReadSchemeFile(folder.file("saved.tw"), VersionCheck::Required).scheme.favorites.size(), 2u);
    const SessionRead session = ReadSession();
    ASSERT_EQ(session.status, SessionReadStatus::Ok);
    EXPECT_EQ(ColorsOf(session.scheme.favorites), std::vector<ColorValue> { Pack(4, 5, 6) });
    EXPECT_TRUE(FileExists("tw3.ini"));
}

TEST_F(Documents, ExitQuestionYesWithACancelledSaveDialogEnds)
{
    AddFavorites({ Pack(1, 2, 3) });
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { std::nullopt };
    EXPECT_TRUE(Exit());
    EXPECT_EQ(QDir(folder.path()).entryList({ "*.tw" }, QDir::Files), QStringList());
}

TEST_F(Documents, ExitQuestionYesSavesThenEnds)
{
    AddFavorites({ Pack(1, 2, 3) });
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { folder.file("last.tw") };
    EXPECT_TRUE(Exit());
    EXPECT_EQ(ColorsOf(ReadSchemeFile(folder.file("last.tw"), VersionCheck::Required).scheme.favorites),
        std::vector<ColorValue> { Pack(1, 2, 3) });

    // A save that fails keeps the program running with the scheme unsaved.
    Restart();
    AddFavorites({ Pack(4, 5, 6) });
    desktop.answers = { Answer::Yes };
    desktop.saveChoices = { folder.file("no such folder/x.tw") };
    EXPECT_FALSE(Exit());
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while saving the scheme file" });
    EXPECT_TRUE(main->SchemeModified());
}

TEST_F(Documents, ExitWarningOffNeverAsksAtExitButOpenAndNewStillDo)
{
    AddFavorites({ Pack(1, 2, 3) });
    desktop.answers = { Answer::Cancel, Answer::Cancel };
    Named<QToolButton>(*main, "tbOpen")->click();
    Named<QAction>(*main, "mnuFileNew")->trigger();
    EXPECT_EQ(desktop.questions.size(), 2);

    // Read at the moment of closing, not at start-up.
    folder.Write("tw3.ini", "[Prefs]\nFavExitWarn=0\n");
    desktop.answers = { Answer::Cancel };
    Named<QToolButton>(*main, "tbOpen")->click();
    EXPECT_EQ(desktop.questions.size(), 3);
    EXPECT_TRUE(Exit());
    EXPECT_EQ(desktop.questions.size(), 3);
    EXPECT_TRUE(FileExists("session.tmp"));
}

TEST_F(Documents, ASchemeLargerThanOpenReadsIsNeitherSavedNorKeptAsTheSession)
{
    folder.Write("big.tw", kOneFavorite);
    AddFavorites({ Pack(1, 2, 3) });
    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    const QByteArray session = folder.Read("session.tmp");
    Restart();

    // Texts from a scheme file may be of any length; one byte more than Open reads.
    TFavColor huge = TFavColor::FromColor(Pack(4, 5, 6));
    huge.Text.assign(kMaxSchemeBytes - EncodedSchemeSize({}) - 19 + 1, 'x');
    Model().Replace({ huge });
    main->MarkSchemeModified();
    desktop.saveChoices = { folder.file("big.tw") };
    Named<QToolButton>(*main, "tbSave")->click();
    EXPECT_EQ(desktop.messages, QStringList { SchemeMessages::kTooLarge });
    EXPECT_EQ(folder.Read("big.tw"), kOneFavorite);
    EXPECT_TRUE(main->SchemeModified());

    // The exit says why the session is not written, and the last one is kept.
    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    EXPECT_EQ(desktop.messages.last(),
        QString("An error has occured while saving the session.  ") + SchemeMessages::kTooLarge);
    EXPECT_EQ(folder.Read("session.tmp"), session);
}

TEST_F(Documents, SessionCarriesFavoritesAndPageToTheNextRun)
{
    AddFavorites({ Pack(1, 2, 3), Pack(4, 5, 6), Pack(7, 8, 9) });
    Model().Select(2);
    SetPage(kLinkText, Pack(200, 0, 0));
    SetPage(kMainBG, Pack(0, 0, 200));
    main->MarkSchemeModified();
    const PreviewColors page = preview->Colors();
    main->SetBaseColor(Pack(10, 20, 30));
    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    const SessionRead written = ReadSession();
    ASSERT_EQ(written.status, SessionReadStatus::Ok);
    EXPECT_EQ(written.scheme.baseColor, Pack(10, 20, 30));

    Restart();
    EXPECT_EQ(ColorsOf(Favorites()), (std::vector<ColorValue> { Pack(1, 2, 3), Pack(4, 5, 6), Pack(7, 8, 9) }));
    EXPECT_EQ(Model().FavSelected(), 0);
    EXPECT_TRUE(ToolButtonsEnabled());
    EXPECT_EQ(preview->Colors(), page);
    EXPECT_FALSE(main->SchemeModified());
    EXPECT_TRUE(desktop.messages.isEmpty());
    // The base colour of the next run comes from the settings.
    EXPECT_EQ(main->SchemeColors()[0], Pack(10, 20, 30));

    // Nothing changed since the start: no question.
    EXPECT_TRUE(Exit());
    EXPECT_EQ(desktop.questions.size(), 1);
}

TEST_F(Documents, SessionWithoutFavoritesLeavesTheButtonsDisabled)
{
    SetPage(kHeaderText, Pack(1, 1, 1));
    EXPECT_TRUE(Exit());
    Restart();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_FALSE(ToolButtonsEnabled());
    EXPECT_EQ(preview->Colors()[kHeaderText], Pack(1, 1, 1));
}

TEST_F(Documents, ForgettingTheSchemeWritesAndReadsNoSession)
{
    AddFavorites({ Pack(1, 2, 3) });
    SetPage(kBackground, Pack(5, 5, 5));
    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    const QByteArray session = folder.Read("session.tmp");

    Restart();
    Settings settings;
    settings.SetRememberScheme(false);
    ASSERT_TRUE(settings.Commit().ok());
    AddFavorites({ Pack(7, 7, 7) });
    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    EXPECT_EQ(folder.Read("session.tmp"), session);

    Restart();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
    EXPECT_EQ(folder.Read("session.tmp"), session);
}

TEST_F(Documents, TurningOffRememberInThePreferencesForgetsTheSchemeAtTheNextStart)
{
    AddFavorites({ Pack(1, 2, 3), Pack(4, 5, 6) });
    SetPage(kMainBG, Pack(9, 9, 9));
    TfrmPreferences prefs(*main);
    prefs.LoadPreferences();
    prefs.show();
    QCheckBox* remember = Named<QCheckBox>(prefs, "chkRememberScheme");
    ASSERT_TRUE(remember->isChecked());
    remember->setChecked(false);
    mouse::Click(Named<QPushButton>(prefs, "cmdOK"), { 10, 10 });
    EXPECT_FALSE(prefs.isVisible());

    desktop.answers = { Answer::No };
    ASSERT_TRUE(Exit());
    EXPECT_FALSE(QFile::exists(folder.file("session.tmp")));

    Restart();
    EXPECT_TRUE(Favorites().empty());
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
}

TEST_F(Documents, DamagedSessionIsReportedOnceAndKeptBesideIt)
{
    Stop();
    const QString failed = "An error has occured while opening the session";
    const struct {
        const char* what;
        QByteArray bytes;
    } damaged[] = {
        { "one byte short", kOneFavorite.chopped(1) },
        { "one byte over", kOneFavorite + "x" },
        { "the first two bytes only", QByteArray("TW") },
        { "empty", QByteArray() },
    };
    for (const auto& c : damaged) {
        SCOPED_TRACE(c.what);
        folder.Write("session.tmp", c.bytes);
        desktop.messages.clear();
        Start();
        EXPECT_EQ(desktop.messages, QStringList { failed + ".  The file was kept as " + folder.file("session-damaged.tmp") + "." });
        EXPECT_EQ(folder.Read("session-damaged.tmp"), c.bytes);
        EXPECT_TRUE(Favorites().empty());
        EXPECT_FALSE(ToolButtonsEnabled());
        EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
        EXPECT_FALSE(main->SchemeModified());

        // The exit writes a new session; the damaged one stays where the message said.
        AddFavorites({ Pack(1, 2, 3) });
        desktop.answers.push_back(Answer::No);
        ASSERT_TRUE(Exit());
        EXPECT_EQ(ReadSession().status, SessionReadStatus::Ok);
        EXPECT_EQ(folder.Read("session-damaged.tmp"), c.bytes);
        Stop();
        QFile::remove(folder.file("session-damaged.tmp"));
    }

    // An earlier damaged session is never replaced by a later one.
    folder.Write("session.tmp", "first");
    Start();
    Stop();
    folder.Write("session.tmp", "second");
    desktop.messages.clear();
    Start();
    EXPECT_EQ(desktop.messages, QStringList { failed + ".  The file was kept as " + folder.file("session-damaged-2.tmp") + "." });
    EXPECT_EQ(folder.Read("session-damaged.tmp"), "first");
    EXPECT_EQ(folder.Read("session-damaged-2.tmp"), "second");
    Stop();

    // A folder in its place is no file to keep: it stays, and is reported once.
    ASSERT_TRUE(QDir(folder.path()).mkdir("session.tmp"));
    desktop.messages.clear();
    Start();
    EXPECT_EQ(desktop.messages, QStringList { failed });
    EXPECT_TRUE(Favorites().empty());
    EXPECT_TRUE(QFileInfo(folder.file("session.tmp")).isDir());
    Stop();
    ASSERT_TRUE(QDir(folder.path()).rmdir("session.tmp"));

    // Its version was never checked.
    QByteArray otherVersion = kOneFavorite;
    otherVersion[0] = 7;
    folder.Write("session.tmp", otherVersion);
    desktop.messages.clear();
    Start();
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(ColorsOf(Favorites()), std::vector<ColorValue> { Pack(0x33, 0x66, 0x99) });
}

TEST_F(Documents, SaveIntoAFolderThatTakesNoNewFileSaysSo)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("locked"));
    const QString path = folder.file("locked/mine.tw");
    folder.Write("locked/mine.tw", kNoFavorites);
    AddFavorites({ Pack(1, 2, 3) });
    {
        const UnwritableFolder frozen(folder.file("locked"));
        if (!frozen.made())
            GTEST_SKIP() << "cannot make a folder unwritable here";
        desktop.saveChoices.push_back(path);
        EXPECT_EQ(commands->mnuFileSaveClick(), DocumentCommands::SaveOutcome::Failed);
    }
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while saving the scheme file.  The folder "
                                    + folder.file("locked") + " is not writable." });
    EXPECT_EQ(folder.Read("locked/mine.tw"), kNoFavorites);
    EXPECT_TRUE(main->SchemeModified());
}

TEST_F(Documents, ExitInAProgramFolderThatTakesNoNewFileSaysWhyForEachFile)
{
    const UnwritableFolder frozen(folder.path());
    if (!frozen.made())
        GTEST_SKIP() << "cannot make a folder unwritable here";
    EXPECT_TRUE(Exit());
    const QString why = ".  The folder " + folder.path() + " is not writable.";
    EXPECT_EQ(desktop.messages, (QStringList { "The settings could not be saved in " + folder.file("tw3.ini") + why,
                                    "An error has occured while saving the session" + why }));
}

TEST_F(Documents, SessionThatCannotBeWrittenIsReportedAndExitGoesOn)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("session.tmp"));
    EXPECT_TRUE(Exit());
    EXPECT_EQ(desktop.messages, QStringList { "An error has occured while saving the session" });
    EXPECT_TRUE(FileExists("tw3.ini"));
}
