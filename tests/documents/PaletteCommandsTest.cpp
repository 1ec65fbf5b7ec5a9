#include "Documents.h"
#include "color/CssText.h"
#include "exchange/PaletteFormats.h"
#include "favorites/TfrmFavorites.h"
#include "main/TfrmMain.h"
#include "app/DocumentCommands.h"
#include "app/PaletteCommands.h"
#include "persist/SchemeFile.h"
#include "persist/Settings.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <sys/stat.h>

namespace {

std::vector<PaletteEntry> EntriesOf(const FavColorList& list)
{
    std::vector<PaletteEntry> entries;
    for (const TFavColor& fav : list)
        entries.push_back({ QString::fromStdString(fav.Text), fav.Color });
    return entries;
}

// The program's windows and its document and palette commands, wired as at start-up, on a scripted desktop.
class PaletteCommandsTest : public Documents {
protected:
    void SetUp() override
    {
        Documents::SetUp();
        palettes = std::make_unique<PaletteCommands>(*main, favs->Model(), *preview);
    }
    void TearDown() override
    {
        palettes.reset();
        Documents::TearDown();
    }

    // Favourites with the texts a scheme file may carry: any text, the colour's own, non-ASCII, markup.
    void AddNamedFavorites()
    {
        FavColorList list;
        const std::pair<const char*, ColorValue> named[] = { { "Sky & <sea> \"blue\"", Pack(0x33, 0x66, 0x99) },
            { "#C0FFEE", Pack(0xC0, 0xFF, 0xEE) }, { "Gr\xC3\xBCn \xE2\x80\x94 fr\xC3\xBCh", Pack(10, 200, 30) } };
        for (const auto& [text, color] : named) {
            TFavColor fav = TFavColor::FromColor(color);
            fav.Text = text;
            list.push_back(fav);
        }
        Model().Replace(list);
        main->ClearSchemeModified();
    }

    // Runs Export Palette, answering the set dialog with the choice named (nothing cancels it).
    void Export(const char* choice)
    {
        bool answered = false;
        QTimer::singleShot(0, main.get(), [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr) << "no dialog asks for the set";
            answered = true;
            seenFavoritesEnabled = dialog->findChild<QRadioButton*>("radFavorites")->isEnabled();
            for (QRadioButton* button : dialog->findChildren<QRadioButton*>()) {
                if (button->isChecked())
                    preselected = button->objectName();
            }
            if (!choice) {
                dialog->reject();
                return;
            }
            dialog->findChild<QRadioButton*>(QString::fromLatin1(choice))->click();
            dialog->findChild<QPushButton*>("cmdOK")->click();
        });
        main->Command(MainCommand::FileExportPalette)->trigger();
        EXPECT_TRUE(answered);
    }

    void Import(const QString& path)
    {
        desktop.openChoices = { path };
        main->Command(MainCommand::FileImportPalette)->trigger();
    }

    std::unique_ptr<PaletteCommands> palettes;
    bool seenFavoritesEnabled = false;
    QString preselected;
};

struct ExportCase {
    const char* choice;
    PaletteFormat format;
    std::size_t count;
    int firstFavorite; // index of the first favourite in the file, or -1
};
void PrintTo(const ExportCase& c, std::ostream* os) { *os << c.choice << " as " << FormatInfo(c.format).extension; }

class ExportEachSet : public PaletteCommandsTest, public ::testing::WithParamInterface<ExportCase> { };

TEST_P(ExportEachSet, WritesTheChosenSetInTheFormatOfTheChosenFilter)
{
    const ExportCase& c = GetParam();
    AddNamedFavorites();
    main->SetBaseColor(Pack(0xB4, 0x82, 0x46));
    PreviewColors page = preview->Colors();
    page[kHeaderText] = Pack(1, 2, 3);
    preview->SetColors(page);

    // The name's extension names no format: the filter decides.
    desktop.saveChoices = { folder.file("palette.txt") };
    desktop.saveFilters = { QString::fromLatin1(FormatInfo(c.format).filter) };
    Export(c.choice);

    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('\n').toStdString();
    const PaletteImport read = ReadPalette(Contents(folder.file("palette.txt")), c.format);
    ASSERT_TRUE(read.ok()) << read.message.toStdString();
    const std::vector<PaletteEntry>& entries = read.palette.entries;
    ASSERT_EQ(entries.size(), c.count);
    const std::string choice = c.choice;
    if (choice == "radScheme" || choice == "radAll") {
        EXPECT_EQ(entries[0], (PaletteEntry { "Base", Pack(0xB4, 0x82, 0x46) }));
        EXPECT_EQ(entries[15].color, main->SchemeColors()[15]);
    }
    if (c.firstFavorite >= 0) {
        const auto first = entries.begin() + c.firstFavorite;
        EXPECT_EQ(std::vector<PaletteEntry>(first, first + 3), EntriesOf(Model().FavColors()));
    }
    if (choice == "radPage" || choice == "radAll") {
        EXPECT_EQ(entries[c.count - 9], (PaletteEntry { "Page title text", Pack(1, 2, 3) }));
    }
    // Exporting changes nothing in the scheme.
    EXPECT_FALSE(main->SchemeModified());
}

INSTANTIATE_TEST_SUITE_P(PaletteCommands, ExportEachSet,
    ::testing::Values(ExportCase { "radScheme", PaletteFormat::Gpl, 16, -1 },
        ExportCase { "radFavorites", PaletteFormat::Json, 3, 0 }, ExportCase { "radPage", PaletteFormat::Soc, 9, -1 },
        ExportCase { "radAll", PaletteFormat::Css, 28, 16 }, ExportCase { "radAll", PaletteFormat::Scss, 28, 16 },
        ExportCase { "radFavorites", PaletteFormat::Ase, 3, 0 }));

TEST_F(PaletteCommandsTest, ExportOffersEveryFormatAndStartsWhereTheUserLeftIt)
{
    EXPECT_TRUE(main->Command(MainCommand::FileExportPalette)->isEnabled());
    EXPECT_EQ(main->Command(MainCommand::FileExportPalette)->text(), "&Export Palette...");
    EXPECT_EQ(main->Command(MainCommand::FileImportPalette)->text(), "&Import Palette...");

    // Without favourites their set cannot be chosen.
    desktop.saveChoices = { folder.file("a.gpl") };
    Export("radPage");
    EXPECT_FALSE(seenFavoritesEnabled);
    EXPECT_EQ(preselected, "radScheme");
    ASSERT_EQ(desktop.dialogRequests.size(), 1u);
    EXPECT_EQ(desktop.dialogRequests[0].filter, PaletteExportFilter());
    EXPECT_EQ(desktop.dialogRequests[0].selectedFilter, FormatInfo(PaletteFormat::Gpl).filter);
    EXPECT_EQ(desktop.dialogRequests[0].defaultSuffix, "gpl");

    AddNamedFavorites();
    desktop.saveChoices = { folder.file("b.json") };
    desktop.saveFilters = { FormatInfo(PaletteFormat::Json).filter };
    Export("radAll");
    EXPECT_TRUE(seenFavoritesEnabled);
    EXPECT_EQ(preselected, "radPage");
    EXPECT_EQ(desktop.dialogRequests[1].initialPath, folder.file("a.gpl"));

    // Cancelling the set dialog asks for no file; cancelling the file dialog writes none.
    Export(nullptr);
    EXPECT_EQ(preselected, "radAll");
    EXPECT_EQ(desktop.dialogRequests.size(), 2u);
    desktop.saveChoices = { std::nullopt };
    Export("radScheme");
    EXPECT_EQ(desktop.dialogRequests[2].selectedFilter, FormatInfo(PaletteFormat::Json).filter);
    EXPECT_EQ(desktop.dialogRequests[2].defaultSuffix, "json");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({ "a.gpl", "b.json" }));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(PaletteCommandsTest, AFailedExportSaysWhyAndWritesNothing)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("taken.gpl"));
    desktop.saveChoices = { folder.file("missing folder/x.gpl"), folder.file("taken.gpl") };
    Export("radScheme");
    Export("radScheme");
    ASSERT_EQ(desktop.messages.size(), 2);
    for (const QString& message : desktop.messages)
        EXPECT_TRUE(message.startsWith("The palette could not be saved: ")) << message.toStdString();
    EXPECT_EQ(desktop.messages[1], "The palette could not be saved: File access denied.");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList("taken.gpl"));
}

class ImportRoundTrip : public PaletteCommandsTest, public ::testing::WithParamInterface<PaletteFormat> { };

TEST_P(ImportRoundTrip, ExportedFavoritesComeBackWithTheirColoursAndNames)
{
    AddNamedFavorites();
    const std::vector<PaletteEntry> exported = EntriesOf(Model().FavColors());
    const QString path = folder.file(QStringLiteral("favs.") + FormatInfo(GetParam()).extension);
    desktop.saveChoices = { path };
    desktop.saveFilters = { FormatInfo(GetParam()).filter };
    Export("radFavorites");

    // A new scheme with one favourite of its own, then the file appended after it.
    desktop.answers = { platform::Answer::No };
    commands->mnuFileNewClick();
    Model().InsertFavorite(0, Pack(9, 9, 9));
    main->ClearSchemeModified();
    Import(path);

    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('\n').toStdString();
    const FavColorList& now = Model().FavColors();
    ASSERT_EQ(now.size(), 4u);
    EXPECT_EQ(now[0].Color, Pack(9, 9, 9));
    EXPECT_EQ(EntriesOf(FavColorList(now.begin() + 1, now.end())), exported);
    EXPECT_EQ(now[1].Hex, "336699");
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_TRUE(Named<QToolButton>(*favs, "tbDelete")->isEnabled());
    EXPECT_EQ(desktop.dialogRequests.back().filter, PaletteImportFilter());
}

INSTANTIATE_TEST_SUITE_P(PaletteCommands, ImportRoundTrip,
    ::testing::Values(PaletteFormat::Gpl, PaletteFormat::Css, PaletteFormat::Scss, PaletteFormat::Json,
        PaletteFormat::Soc, PaletteFormat::Ase),
    [](const auto& info) { return std::string(FormatInfo(info.param).extension); });

TEST_F(PaletteCommandsTest, ImportOfManyColoursWidensTheScrollRange)
{
    QByteArray gpl = "GIMP Palette\nName: many\n";
    for (int i = 0; i < 200; ++i)
        gpl += QByteArray::number(i) + " 0 0\tred " + QByteArray::number(i) + "\n";
    folder.Write("many.gpl", gpl);
    const QScrollBar* bar = Named<QScrollBar>(*favs, "sbFavs");
    const int before = bar->maximum();
    Import(folder.file("many.gpl"));
    ASSERT_EQ(Model().Count(), 200);
    EXPECT_EQ(Model().FavColors()[199].Text, "red 199");
    EXPECT_GT(bar->maximum(), before);
    EXPECT_TRUE(bar->isEnabled());
}

struct Refusal {
    const char* name;
    const char* file; // written to the folder under this name; nullptr: none
    QByteArray content;
    int existing; // favourites already there
    QString message;
};
void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

class ImportRefusal : public PaletteCommandsTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(ImportRefusal, SaysWhyAndChangesNothing)
{
    const Refusal& r = GetParam();
    FavColorList list(static_cast<std::size_t>(r.existing), TFavColor::FromColor(Pack(1, 2, 3)));
    Model().Replace(list);
    main->ClearSchemeModified();
    if (r.file)
        folder.Write(r.file, r.content);
    Import(folder.file(r.file ? r.file : "absent.gpl"));

    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].startsWith(r.message)) << desktop.messages[0].toStdString();
    EXPECT_EQ(Model().FavColors(), list);
    EXPECT_FALSE(main->SchemeModified());
}

INSTANTIATE_TEST_SUITE_P(PaletteCommands, ImportRefusal,
    ::testing::Values(
        Refusal { "missing", nullptr, {}, 0, "The palette file could not be read: it does not exist." },
        Refusal { "entity bomb", "bomb.soc",
            "<!DOCTYPE t [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n"
            "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\"/>",
            0, "Line 1: this file declares a document type" },
        Refusal { "unknown", "notes.txt", "hello", 0, PaletteMessages::kUnknownFormat },
        // A damaged file names its fault; the colours before it are not taken.
        Refusal { "damaged", "broken.gpl", "GIMP Palette\n1 2 3\tok\n1 2\tbad\n", 0, "Line 3: " },
        Refusal { "empty", "none.json", R"({"format": "tintwell-palette", "version": 1, "colors": []})", 0,
            PaletteMessages::kNoColors },
        // The favourites that are there plus the file's would be more than a scheme file can keep.
        Refusal { "too many", "two.gpl", "GIMP Palette\n1 2 3\n4 5 6\n", 65534, SchemeMessages::kTooManyFavorites }),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

TEST_F(PaletteCommandsTest, AFileThatCannotBeReadIsNamedForWhatItIs)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.gpl"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.file("pipe.gpl")).constData(), 0600), 0);
    Import(folder.file("folder.gpl"));
    Import(folder.file("pipe.gpl"));
    EXPECT_EQ(desktop.messages,
        QStringList({ "The palette file could not be read: it is a folder.",
            "The palette file could not be read: it is no plain file but a pipe (FIFO), a device or a socket." }));
    EXPECT_TRUE(Model().IsEmpty());
}

TEST_F(PaletteCommandsTest, AnExtensionTheUserTypesNamesTheFormat)
{
    AddNamedFavorites();
    desktop.saveChoices = { folder.file("mine.css"), folder.file("mine.txt") };
    desktop.saveFilters = { FormatInfo(PaletteFormat::Gpl).filter, FormatInfo(PaletteFormat::Json).filter };
    Export("radFavorites");
    Export("radFavorites");
    EXPECT_TRUE(ReadPalette(Contents(folder.file("mine.css")), PaletteFormat::Css).ok());
    EXPECT_TRUE(ReadPalette(Contents(folder.file("mine.txt")), PaletteFormat::Json).ok());
    EXPECT_EQ(desktop.dialogRequests[1].selectedFilter, FormatInfo(PaletteFormat::Css).filter);

    Import(folder.file("mine.css"));
    EXPECT_TRUE(desktop.messages.isEmpty()) << desktop.messages.join('\n').toStdString();
    EXPECT_EQ(Model().Count(), 6);
}

TEST_F(PaletteCommandsTest, AnImportThatWouldMakeTheSchemeTooLargeToOpenIsRefused)
{
    // Favourites opened from a scheme file may carry texts of any length.
    TFavColor huge = TFavColor::FromColor(Pack(1, 2, 3));
    huge.Text.assign(kMaxSchemeBytes - EncodedSchemeSize({}) - 19 - 30, 'x');
    Model().Replace({ huge });
    main->ClearSchemeModified();
    folder.Write("two.gpl", "GIMP Palette\n1 2 3\tone\n4 5 6\ttwo\n");
    Import(folder.file("two.gpl"));
    EXPECT_EQ(desktop.messages, QStringList(SchemeMessages::kTooLarge));
    EXPECT_EQ(Model().Count(), 1);
    EXPECT_FALSE(main->SchemeModified());
    folder.Write("one.gpl", "GIMP Palette\n1 2 3\n");
    Import(folder.file("one.gpl")); // "#010203" fits exactly
    EXPECT_EQ(Model().Count(), 2);
    EXPECT_EQ(EncodedSchemeSize(Model().FavColors()), kMaxSchemeBytes - 4);
}

// A colour table of millions of elements the XML reader takes a while for, with one colour at its end.
QByteArray SlowColorTable()
{
    return "<ooo:color-table xmlns:ooo=\"http://openoffice.org/2004/office\" "
           "xmlns:draw=\"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0\">"
        + QByteArray(2500000, 'x').replace("x", "<a/>")
        + "<draw:color draw:name=\"last\" draw:color=\"#102030\"/></ooo:color-table>";
}

TEST_F(PaletteCommandsTest, ASlowImportShowsItsProgressAndCanBeCancelled)
{
    folder.Write("slow.soc", SlowColorTable());
    bool seen = false;
    const auto cancelWhenShown = [&](bool cancel) {
        auto* poll = new QTimer(main.get());
        QObject::connect(poll, &QTimer::timeout, [poll, cancel, &seen] {
            auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget());
            if (!progress || progress->objectName() != "dlgImportProgress")
                return;
            seen = true;
            if (cancel)
                progress->findChild<QPushButton*>()->click();
            poll->deleteLater();
        });
        poll->start(10);
    };

    cancelWhenShown(true);
    Import(folder.file("slow.soc"));
    EXPECT_TRUE(seen);
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_TRUE(Model().IsEmpty());
    EXPECT_FALSE(main->SchemeModified());

    // Left alone, the dialog goes when the file has been read.
    seen = false;
    cancelWhenShown(false);
    Import(folder.file("slow.soc"));
    EXPECT_TRUE(seen);
    ASSERT_EQ(Model().Count(), 1);
    EXPECT_EQ(Model().FavColors()[0].Text, "last");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(PaletteCommandsTest, AFileLargerThanAnyPaletteIsNotRead)
{
    {
        QFile huge(folder.file("huge.css"));
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        ASSERT_TRUE(huge.resize(kMaxPaletteFileBytes + 1)); // sparse: costs no disk
    }
    Import(folder.file("huge.css"));
    EXPECT_EQ(desktop.messages, QStringList({ PaletteMessages::kTooLarge }));
    EXPECT_TRUE(Model().IsEmpty());
    EXPECT_FALSE(main->SchemeModified());
}

// Every copy menu of the three windows, opened on one colour: what it holds, and what its entries copy.
struct CopyMenuCase {
    const char* name;
    QMenu* (*open)(PaletteCommandsTest&, TfrmMain&, TfrmFavorites&, TfrmPreview&);
};

class MoreCopyFormats : public PaletteCommandsTest, public ::testing::WithParamInterface<CopyMenuCase> {
protected:
    static constexpr ColorValue kShown = Pack(0xB4, 0x82, 0x46);

    static void SetMoreCopyFormats(bool more)
    {
        Settings settings;
        settings.SetMoreCopyFormats(more);
        ASSERT_TRUE(settings.Commit().ok());
    }

    QStringList Captions(QMenu* menu)
    {
        QStringList captions;
        for (QAction* entry : menu->actions())
            captions << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        return captions;
    }
};

TEST_P(MoreCopyFormats, AddThreeCssFormsOnlyWhileThePreferenceIsOn)
{
    const QString hex = "B48246";
    const QStringList classic { hex, '#' + hex, "180,130,70" };
    const QStringList css { QString::fromStdString(CssRgbText(kShown)), QString::fromStdString(CssHslText(kShown)),
        QString::fromStdString(CssOklchText(kShown)) };
    ASSERT_EQ(css[0], "rgb(180 130 70)");

    QMenu* menu = GetParam().open(*this, *main, *favs, *preview);
    EXPECT_EQ(Captions(menu), classic);

    SetMoreCopyFormats(true);
    menu = GetParam().open(*this, *main, *favs, *preview);
    ASSERT_EQ(Captions(menu), classic + QStringList("-") + css);
    const QList<QAction*> entries = menu->actions();
    for (int i = 0; i < 3; ++i) {
        entries[4 + i]->trigger();
        EXPECT_EQ(desktop.clipboardText, css[i]);
    }
    EXPECT_EQ(entries[4]->objectName(), menu->objectName() + "CssRgb");
    // Opened again, the menu holds the three forms once.
    menu = GetParam().open(*this, *main, *favs, *preview);
    EXPECT_EQ(menu->actions().size(), 7);

    SetMoreCopyFormats(false);
    menu = GetParam().open(*this, *main, *favs, *preview);
    EXPECT_EQ(Captions(menu), classic);
}

QMenu* ShowAndClose(QMenu* menu)
{
    menu->popup(QPoint(0, 0));
    menu->close();
    return menu;
}

INSTANTIATE_TEST_SUITE_P(PaletteCommands, MoreCopyFormats,
    ::testing::Values(
        CopyMenuCase { "EditCopyBase",
            [](PaletteCommandsTest&, TfrmMain& main, TfrmFavorites&, TfrmPreview&) {
                main.SetBaseColor(Pack(0xB4, 0x82, 0x46));
                return ShowAndClose(Named<QMenu>(main, "mnuEditCopyBase"));
            } },
        CopyMenuCase { "ColorPop",
            [](PaletteCommandsTest&, TfrmMain& main, TfrmFavorites&, TfrmPreview&) {
                main.SetSelectedColor(Pack(0xB4, 0x82, 0x46));
                return ShowAndClose(Named<QMenu>(main, "mnuPopCopy"));
            } },
        CopyMenuCase { "FavPop",
            [](PaletteCommandsTest&, TfrmMain&, TfrmFavorites& favs, TfrmPreview&) {
                favs.Model().Replace({ TFavColor::FromColor(Pack(0xB4, 0x82, 0x46)) });
                return ShowAndClose(Named<QMenu>(favs, "mnuFavPopCopy"));
            } },
        CopyMenuCase { "PreviewPop",
            [](PaletteCommandsTest&, TfrmMain& main, TfrmFavorites&, TfrmPreview& preview) {
                main.SetSelectedColor(Pack(0xB4, 0x82, 0x46));
                return ShowAndClose(Named<QMenu>(preview, "mnuPopCopy"));
            } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
