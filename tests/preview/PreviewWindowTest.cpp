#include "main/ColorDrag.h"
#include "main/TfrmMain.h"
#include "persist/IniFile.h"
#include "platform/DragManager.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "platform/ShownVision.h"
#include "preview/TfrmPreview.h"
#include "app/WindowWiring.h"
#include "support/Controls.h"
#include "support/Density.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <memory>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr ColorValue kBlack = Pack(0, 0, 0);
constexpr ColorValue kWhite = Pack(255, 255, 255);
constexpr ColorValue kGrey = Pack(230, 230, 230);

// Points well inside each part, away from the texts that lie on the cells.
constexpr QPoint kOnBackground { 5, 5 };
constexpr QPoint kOnNavCell { 35, 180 };
constexpr QPoint kOnBodyCell { 200, 180 };
constexpr QPoint kOnHeaderRow { 200, 60 };
constexpr QPoint kOnTableHeader { 60, 55 };
constexpr QPoint kOnBodyHeader { 150, 90 };

ColorValue PixelOf(const PaintBox* box, QPoint at)
{
    const QRgb p = box->PixelAt(at);
    return Pack(qRed(p), qGreen(p), qBlue(p));
}

// True when some pixel in the box is exactly the colour: text is anti-aliased at its edges only.
bool BoxShows(const PaintBox* box, QRect area, ColorValue color)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (PixelOf(box, { x, y }) == color)
                return true;
        }
    }
    return false;
}

// The main window on the right, QuickPreview on the left, a Favorites stand-in below: drops need windows apart.
class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        main = std::make_unique<TfrmMain>();
        main->move(420, 40);
        main->show();
        preview = std::make_unique<TfrmPreview>(*main);
        preview->move(20, 40);
    }

    void TearDown() override
    {
        DragManager::Instance().Cancel();
        if (preview)
            PagePopup()->close();
    }

    // QuickPreview's controls, found by their object names.
    PaintBox* PageBox() const { return Named<PaintBox>(*preview, "pbPage"); }
    PaintBox* BlackSwatch() const { return Named<PaintBox>(*preview, "shpBlack"); }
    PaintBox* WhiteSwatch() const { return Named<PaintBox>(*preview, "Shape1"); }
    QMenu* PagePopup() const { return Named<QMenu>(*preview, "mnuColorPop"); }
    QToolButton* SaveButton() const { return Named<QToolButton>(*preview, "tbSave"); }
    QToolButton* ResetButton() const { return Named<QToolButton>(*preview, "tbReset"); }

    void ShowPreview()
    {
        Named<QAction>(*main, "mnuToolsPreview")->trigger();
        ASSERT_TRUE(preview->isVisible());
    }

    QPoint Over(QWidget* from, QWidget* target, QPoint local) const
    {
        return from->mapFromGlobal(target->mapToGlobal(local));
    }

    // Press, a first small move (which arms a pending drag where the source waits for it), then release over the target.
    void Drag(QWidget* source, QPoint from, QWidget* target, QPoint to)
    {
        mouse::Press(source, from);
        mouse::Move(source, from + QPoint(1, 0));
        const QPoint over = Over(source, target, to);
        mouse::Move(source, over);
        mouse::Release(source, over);
    }

    // A colour drag from a source that has no press handling of its own here, begun as the Favorites list begins
    // one: the colour stands in the list's selection or in SelectedColor, and the drag ends through the main window.
    void DragFromElsewhere(QWidget* source, QPoint to)
    {
        main->Drag().Begin(source, source->mapToGlobal(QPoint(5, 5)), 10);
        const QPoint over = Over(source, PageBox(), to);
        mouse::Move(source, over);
        mouse::Release(source, over);
    }

    void SetPage(PreviewColorSlot slot, ColorValue color)
    {
        PreviewColors colors = preview->Colors();
        colors[slot] = color;
        preview->SetColors(colors);
    }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmPreview> preview;
};

class PreviewKeysTest : public PreviewWindowTest {
protected:
    void FocusPage()
    {
        if (!preview->isVisible())
            ShowPreview();
        preview->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(preview.get()));
        PageBox()->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(PageBox()->hasFocus());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // What a screen reader hears of the part the keyboard is on.
    QString FocusedPart() const
    {
        QAccessibleInterface* part = QAccessible::queryAccessibleInterface(PageBox())->focusChild();
        return part ? part->text(QAccessible::Name) : QStringLiteral("(none)");
    }
};

// Tab walks the parts as the page reads, then the two buttons, and round to the page's first part again; Shift+Tab
// walks back the same way. The arrows walk the parts too, and stop at either end.
TEST_F(PreviewKeysTest, TabAndTheArrowsMoveAmongThePartsEachNamedForWhatItIs)
{
    FocusPage();
    const char* const order[] = { "Page background", "Header", "Table header background", "Table header text",
        "Navigation background", "Link 1", "Link 2", "Link 3", "Link 4", "Main background", "Body header", "Body text" };
    for (const char* name : order) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(FocusedPart().startsWith(QString::fromLatin1(name) + ", #")) << FocusedPart().toStdString();
        Press(Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), SaveButton());
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ResetButton());
    Press(Qt::Key_Tab);
    ASSERT_TRUE(PageBox()->hasFocus());
    EXPECT_TRUE(FocusedPart().startsWith("Page background, #"));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), ResetButton());
    Press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), SaveButton());
    Press(Qt::Key_Backtab);
    ASSERT_TRUE(PageBox()->hasFocus());
    EXPECT_TRUE(FocusedPart().startsWith("Body text, #"));
    const struct {
        Qt::Key key;
        const char* name;
    } arrows[] = { { Qt::Key_Left, "Body header" }, { Qt::Key_Up, "Main background" }, { Qt::Key_Right, "Body header" },
        { Qt::Key_Down, "Body text" }, { Qt::Key_Down, "Body text" } };
    for (const auto& arrow : arrows) {
        Press(arrow.key);
        EXPECT_TRUE(PageBox()->hasFocus());
        EXPECT_TRUE(FocusedPart().startsWith(QString::fromLatin1(arrow.name) + ", #")) << FocusedPart().toStdString();
    }
}

// Ctrl+V colours the part the keyboard is on as a drop would; Enter and Ctrl+C act on its colour as a click and the
// copy menu do.
TEST_F(PreviewKeysTest, PasteColoursTheFocusedPartAndEnterAndCopyActOnIt)
{
    FocusPage();
    Press(Qt::Key_Tab); // the header text
    const struct {
        const char* clipboard;
        ColorValue header;
        bool refused;
    } pastes[] = { { "#102030", Pack(0x10, 0x20, 0x30), false }, { "1,2,3", Pack(1, 2, 3), false },
        { "#1020", Pack(1, 2, 3), true }, { "", Pack(1, 2, 3), true } };
    for (const auto& paste : pastes) {
        SCOPED_TRACE(paste.clipboard);
        desktop.messages.clear();
        desktop.clipboardText = QString::fromLatin1(paste.clipboard);
        Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(preview->Colors()[kHeaderText], paste.header);
        EXPECT_EQ(desktop.messages.size(), paste.refused ? 1 : 0);
    }
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_TRUE(BoxShows(PageBox(), PreviewPage::Info(PageElement::Header).box, Pack(1, 2, 3)));

    Press(Qt::Key_Down); // the table header's background
    const ColorValue cell = preview->Colors()[kTableHeaderBG];
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(cell)));
    Press(Qt::Key_Return);
    EXPECT_EQ(main->SchemeColors()[0], cell);
}

// The mark round the focused part lies over the page: the page's own picture, and so the saved page, never holds it,
// and without the focus the page looks as it always did.
TEST_F(PreviewKeysTest, TheFocusMarkIsNeverPartOfThePage)
{
    ShowPreview();
    const QImage picture = PageBox()->Surface();
    const QImage shown = PageBox()->grab().toImage();
    FocusPage();
    Press(Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(PageBox()->Surface(), picture);
    EXPECT_NE(PageBox()->grab().toImage(), shown);
    const QString target = folder.file("page.html");
    desktop.saveChoices = { target };
    SaveButton()->click();
    EXPECT_EQ(folder.Read("page.html"), WebPageDocument(preview->Colors()));
    PageBox()->clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(PageBox()->grab().toImage(), shown);
}

// The buttons are reached by Tab and pressed by Space: Save as Webpage saves the page, as a click does. A button
// with the focus shows it; one without looks as it always did, and a click leaves the focus where it was.
TEST_F(PreviewKeysTest, TabReachesTheButtonsWhichShowTheFocusAndSpacePressesThem)
{
    ShowPreview();
    preview->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(preview.get()));
    EXPECT_EQ(QApplication::focusWidget(), PageBox()) << "the page is the window's first stop";
    FocusPage();
    const QImage unfocused = SaveButton()->grab().toImage();
    const QImage resetUnfocused = ResetButton()->grab().toImage();
    Press(Qt::Key_Backtab); // from the first part back to Reset Colors, then Save as Webpage
    Press(Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), SaveButton());
    QApplication::processEvents();
    EXPECT_NE(SaveButton()->grab().toImage(), unfocused) << "the focus does not show";
    EXPECT_EQ(ResetButton()->grab().toImage(), resetUnfocused);
    const QString target = folder.file("keys.html");
    desktop.saveChoices = { target };
    Press(Qt::Key_Space);
    EXPECT_EQ(folder.Read("keys.html"), WebPageDocument(preview->Colors()));

    PageBox()->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(SaveButton()->grab().toImage(), unfocused);
    desktop.answers.push_back(platform::Answer::No);
    mouse::Click(ResetButton(), { 11, 11 });
    EXPECT_EQ(desktop.questions.size(), 1);
    EXPECT_TRUE(PageBox()->hasFocus());
}

TEST_F(PreviewWindowTest, ToolWindowStartsHiddenWithItsControls)
{
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), "QuickPreview");
    EXPECT_TRUE(preview->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(preview->size(), QSize(333, 274));
    EXPECT_EQ(preview->minimumSize(), preview->maximumSize());
    EXPECT_EQ(SaveButton()->toolTip(), "Save as Webpage");
    EXPECT_EQ(ResetButton()->toolTip(), "Reset Colors");
    EXPECT_EQ(Named<QLabel>(*preview, "Status")->text(), " Drag & Drop colors to QuickPreview (right-click colors for options)");
    EXPECT_EQ(PageBox()->size(), QSize(329, 225));
    EXPECT_EQ(PageBox()->mapTo(preview.get(), QPoint(0, 0)), QPoint(2, 24));
    EXPECT_EQ(BlackSwatch()->mapTo(preview.get(), QPoint(0, 0)), QPoint(290, 2));
    EXPECT_EQ(WhiteSwatch()->mapTo(preview.get(), QPoint(0, 0)), QPoint(312, 2));
    EXPECT_EQ(PixelOf(BlackSwatch(), { 9, 9 }), kBlack);
    EXPECT_EQ(PixelOf(WhiteSwatch(), { 9, 9 }), kWhite);
    EXPECT_EQ(PixelOf(WhiteSwatch(), { 0, 9 }), kBlack);
    EXPECT_EQ(PixelOf(WhiteSwatch(), { 17, 17 }), kBlack);
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
    EXPECT_TRUE(Named<QAction>(*main, "mnuToolsPreview")->isEnabled());
    EXPECT_TRUE(Named<QToolButton>(*main, "tbPreview")->isEnabled());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Show QuickPreview");
    EXPECT_FALSE(Named<QToolButton>(*main, "tbPreview")->isChecked());
}

TEST_F(PreviewWindowTest, PageIsPaintedAsATableOnThePage)
{
    PaintBox* page = PageBox();
    EXPECT_EQ(PixelOf(page, kOnBackground), kWhite);
    // Outlines: one-pixel black grid where the cells meet.
    for (QPoint outline : { QPoint(30, 37), QPoint(296, 37), QPoint(30, 71), QPoint(119, 71), QPoint(119, 150),
             QPoint(296, 205), QPoint(30, 205), QPoint(100, 37), QPoint(200, 205) })
        EXPECT_EQ(PixelOf(page, outline), kBlack) << outline.x() << "," << outline.y();
    EXPECT_EQ(PixelOf(page, { 31, 38 }), kGrey);
    EXPECT_EQ(PixelOf(page, { 118, 204 }), kGrey);
    EXPECT_EQ(PixelOf(page, { 120, 72 }), kWhite);
    EXPECT_EQ(PixelOf(page, { 29, 100 }), kWhite);
    EXPECT_EQ(PixelOf(page, { 297, 100 }), kWhite);

    // Each text is drawn in its own colour inside its box.
    PreviewColors colors = DefaultPreviewColors();
    colors[kHeaderText] = Pack(200, 0, 0);
    colors[kTableHeaderText] = Pack(0, 150, 0);
    colors[kLinkText] = Pack(0, 0, 200);
    colors[kBodyHeaderText] = Pack(120, 0, 120);
    colors[kMainText] = Pack(0, 120, 120);
    preview->SetColors(colors);
    EXPECT_TRUE(BoxShows(page, QRect(51, 9, 218, 18), Pack(200, 0, 0)));
    EXPECT_TRUE(BoxShows(page, QRect(41, 47, 89, 16), Pack(0, 150, 0)));
    for (int top : { 83, 101, 119, 137 })
        EXPECT_TRUE(BoxShows(page, QRect(42, top, 34, 13), Pack(0, 0, 200))) << top;
    EXPECT_TRUE(BoxShows(page, QRect(135, 83, 83, 13), Pack(120, 0, 120)));
    EXPECT_TRUE(BoxShows(page, QRect(135, 102, 137, 29), Pack(0, 120, 120)));
    EXPECT_FALSE(BoxShows(page, QRect(135, 131, 137, 70), Pack(0, 120, 120))); // the body text keeps to its box
}

TEST_F(PreviewWindowTest, PlacedLeftOfTheMainWindowUnlessTheSettingsSay)
{
    const QRect m = main->frameGeometry();
    EXPECT_EQ(preview->pos(), QPoint(20, 40)); // the fixture's own placement
    TfrmPreview byDefault(*main);
    // Not shown yet, the window has no frame of its own: it is docked in the frame the main window has.
    const int outerWidth = byDefault.width() + m.width() - main->width();
    ASSERT_GT(m.width(), main->width()) << "the main window is framed";
    EXPECT_EQ(byDefault.pos(), QPoint(m.left() - outerWidth, m.top()));

    folder.Write("tw3.ini", "[Preview]\nTop=-30\nLeft=5000\n");
    TfrmPreview fromSettings(*main);
    EXPECT_EQ(fromSettings.pos(), QPoint(5000, -30)); // applied as read, unclamped
}

TEST_F(PreviewWindowTest, ClosingTheMainWindowRecordsWherePreviewIs)
{
    preview->move(37, 91);
    KeepToolWindowPlaces(*main, nullptr, preview.get());
    main->close();
    IniFile ini(SettingsPath());
    EXPECT_EQ(ini.ReadInteger("Preview", "Top", 0), 91);
    EXPECT_EQ(ini.ReadInteger("Preview", "Left", 0), 37);
}

TEST_F(PreviewWindowTest, ToggleAndCloseButtonKeepTheMainWindowInStep)
{
    Named<QAction>(*main, "mnuToolsPreview")->trigger();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Hide QuickPreview");
    EXPECT_TRUE(Named<QToolButton>(*main, "tbPreview")->isChecked());

    preview->close(); // the window's own close button
    EXPECT_FALSE(preview->isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Show QuickPreview");
    EXPECT_FALSE(Named<QToolButton>(*main, "tbPreview")->isChecked());

    Named<QToolButton>(*main, "tbPreview")->click();
    EXPECT_TRUE(preview->isVisible());
    EXPECT_TRUE(Named<QToolButton>(*main, "tbPreview")->isChecked());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Hide QuickPreview");

    Named<QToolButton>(*main, "tbPreview")->click();
    EXPECT_FALSE(preview->isVisible());
    EXPECT_FALSE(Named<QToolButton>(*main, "tbPreview")->isChecked());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Show QuickPreview");
}

TEST_F(PreviewWindowTest, DropFromAMainWindowSwatchFillsTheCellUnderThePointer)
{
    ShowPreview();
    main->ClearSchemeModified();
    const ColorValue swatch = main->SchemeColors()[5];
    Drag(Named<PaintBox>(*main, "pbColors6"), { 18, 18 }, PageBox(), kOnBodyCell);
    EXPECT_EQ(preview->Colors()[kMainBG], swatch);
    EXPECT_EQ(PixelOf(PageBox(), kOnBodyCell), swatch);
    EXPECT_EQ(PixelOf(PageBox(), kOnNavCell), kGrey);
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
}

TEST_F(PreviewWindowTest, DropFromTheFavoritesListGivesTheSelectedFavourite)
{
    ShowPreview();
    QWidget favorites;
    favorites.setGeometry(20, 400, 100, 100);
    favorites.show();
    main->Drag().SetListSource(&favorites, [] { return Pack(12, 34, 56); });
    main->SetSelectedColor(Pack(99, 99, 99));
    DragFromElsewhere(&favorites, kOnTableHeader);
    EXPECT_EQ(preview->Colors()[kTableHeaderText], Pack(12, 34, 56));
    EXPECT_TRUE(main->SchemeModified());

    // Any other window's source carries SelectedColor.
    QWidget other;
    other.setGeometry(150, 400, 100, 100);
    other.show();
    main->SetSelectedColor(Pack(99, 99, 99));
    DragFromElsewhere(&other, kOnTableHeader);
    EXPECT_EQ(preview->Colors()[kTableHeaderText], Pack(99, 99, 99));
}

TEST_F(PreviewWindowTest, PartsCopyTheirColourOntoOtherPartsTextToFillAndBack)
{
    ShowPreview();
    SetPage(kTableHeaderText, Pack(200, 10, 10));
    Drag(PageBox(), kOnTableHeader, PageBox(), kOnNavCell);
    EXPECT_EQ(preview->Colors()[kNavBG], Pack(200, 10, 10));
    EXPECT_EQ(PixelOf(PageBox(), kOnNavCell), Pack(200, 10, 10));
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);

    SetPage(kMainBG, Pack(10, 200, 10));
    Drag(PageBox(), kOnBodyCell, PageBox(), kOnBodyHeader);
    EXPECT_EQ(preview->Colors()[kBodyHeaderText], Pack(10, 200, 10));
    EXPECT_EQ(preview->Colors()[kMainText], kBlack); // only the part dropped on
    EXPECT_EQ(preview->Colors()[kLinkText], kBlack);
    EXPECT_EQ(preview->Colors()[kMainBG], Pack(10, 200, 10));
}

TEST_F(PreviewWindowTest, ADropOnAnyLinkRecoloursAllFour)
{
    ShowPreview();
    SetPage(kMainBG, Pack(1, 100, 200));
    Drag(PageBox(), kOnBodyCell, PageBox(), { 70, 140 }); // the right end of the fourth link's box
    EXPECT_EQ(preview->Colors()[kLinkText], Pack(1, 100, 200));
    for (int top : { 83, 101, 119, 137 })
        EXPECT_TRUE(BoxShows(PageBox(), QRect(42, top, 34, 13), Pack(1, 100, 200))) << top;
    EXPECT_EQ(preview->Colors()[kNavBG], kGrey);
}

TEST_F(PreviewWindowTest, DropsOutsideTheCellsColourTheWholePage)
{
    ShowPreview();
    SetPage(kMainBG, Pack(50, 60, 70));
    for (QPoint outside : { QPoint(5, 5), QPoint(310, 210), QPoint(29, 100) }) {
        SetPage(kBackground, kWhite);
        Drag(PageBox(), kOnBodyCell, PageBox(), outside);
        EXPECT_EQ(preview->Colors()[kBackground], Pack(50, 60, 70)) << outside.x() << "," << outside.y();
    }
    EXPECT_EQ(PixelOf(PageBox(), { 320, 220 }), Pack(50, 60, 70));
    EXPECT_EQ(preview->Colors()[kTableHeaderBG], kGrey);
    EXPECT_EQ(preview->Colors()[kNavBG], kGrey);
    EXPECT_EQ(preview->Colors()[kHeaderText], kBlack);
}

TEST_F(PreviewWindowTest, SwatchesDropExactlyBlackAndWhite)
{
    ShowPreview();
    SetPage(kMainBG, Pack(9, 9, 9));
    SetPage(kNavBG, Pack(9, 9, 9));
    main->ClearSchemeModified();
    Drag(BlackSwatch(), { 9, 9 }, PageBox(), kOnBodyCell);
    Drag(WhiteSwatch(), { 9, 9 }, PageBox(), kOnNavCell);
    EXPECT_EQ(preview->Colors()[kMainBG], kBlack);
    EXPECT_EQ(preview->Colors()[kNavBG], kWhite);
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
}

TEST_F(PreviewWindowTest, SwatchDragWaitsForEightPixelsFromThePress)
{
    ShowPreview();
    const ColorValue before = main->SelectedColor();
    mouse::Press(WhiteSwatch(), { 5, 5 });
    EXPECT_TRUE(DragManager::Instance().IsPending());
    mouse::Move(WhiteSwatch(), { 12, 12 });
    EXPECT_FALSE(DragManager::Instance().IsActive());
    EXPECT_EQ(main->SelectedColor(), before); // the colour is taken when the drag begins
    mouse::Move(WhiteSwatch(), { 5, 13 });
    EXPECT_TRUE(DragManager::Instance().IsActive());
    EXPECT_EQ(main->SelectedColor(), kWhite);
    mouse::Release(WhiteSwatch(), { 5, 13 }); // over the swatch itself: no receiver
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
}

TEST_F(PreviewWindowTest, PageDragWaitsForTenPixelsFromTheFirstMove)
{
    ShowPreview();
    mouse::Press(PageBox(), kOnBodyCell);
    EXPECT_TRUE(main->Drag().Armed());
    EXPECT_FALSE(DragManager::Instance().IsPending()); // only a movement starts it
    mouse::Move(PageBox(), kOnBodyCell + QPoint(4, 0));
    EXPECT_FALSE(main->Drag().Armed());
    EXPECT_TRUE(DragManager::Instance().IsPending());
    mouse::Move(PageBox(), kOnBodyCell + QPoint(13, -9));
    EXPECT_FALSE(DragManager::Instance().IsActive());
    mouse::Move(PageBox(), kOnBodyCell + QPoint(4, 10));
    EXPECT_TRUE(DragManager::Instance().IsActive());
    mouse::Release(PageBox(), kOnBodyCell + QPoint(4, 10));
    EXPECT_FALSE(DragManager::Instance().IsPending());
}

TEST_F(PreviewWindowTest, RightClickOffersTheCellsColourToCopyOrAdopt)
{
    ShowPreview();
    mouse::Press(PageBox(), kOnNavCell, Qt::RightButton);
    EXPECT_TRUE(PagePopup()->isVisible());
    EXPECT_FALSE(main->Drag().Armed());
    mouse::Release(PageBox(), kOnNavCell, Qt::RightButton);
    EXPECT_EQ(main->SelectedColor(), kGrey);
    emit Named<QMenu>(*preview, "mnuPopCopy")->aboutToShow();
    EXPECT_EQ(Named<QAction>(*preview, "mnuPopCopyHex1")->text(), "E6E6E6");
    EXPECT_EQ(Named<QAction>(*preview, "mnuPopCopyHex2")->text(), "#E6E6E6");
    EXPECT_EQ(Named<QAction>(*preview, "mnuPopCopyRgb")->text(), "230,230,230");
    Named<QAction>(*preview, "mnuPopCopyHex2")->trigger();
    EXPECT_EQ(desktop.clipboardText, "#E6E6E6");
    Named<QAction>(*preview, "mnuPopCopyRgb")->trigger();
    EXPECT_EQ(desktop.clipboardText, "230,230,230");
    Named<QAction>(*preview, "mnuPopCopyHex1")->trigger();
    EXPECT_EQ(desktop.clipboardText, "E6E6E6");
    PagePopup()->close();

    // The submenu is refilled from the next part pressed.
    mouse::Press(PageBox(), kOnBackground, Qt::RightButton);
    emit Named<QMenu>(*preview, "mnuPopCopy")->aboutToShow();
    EXPECT_EQ(Named<QAction>(*preview, "mnuPopCopyRgb")->text(), "255,255,255");
    PagePopup()->close();

    mouse::Press(PageBox(), kOnNavCell, Qt::RightButton);
    Named<QAction>(*preview, "mnuPopSetBase")->trigger();
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "E6E6E6");
    EXPECT_EQ(main->HistoryCount(), 2);
}

TEST_F(PreviewWindowTest, AStillClickAdoptsTheColourAndAWiggleDoesNot)
{
    ShowPreview();
    SetPage(kNavBG, Pack(0, 128, 255));
    const int history = main->HistoryCount();

    Drag(PageBox(), kOnNavCell, PageBox(), kOnNavCell + QPoint(3, 3)); // a small wiggle
    EXPECT_EQ(main->HistoryCount(), history);
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
    EXPECT_EQ(preview->Colors()[kNavBG], Pack(0, 128, 255));

    desktop.primaryButtonDown = true; // a release the toolkit reports while the button is still held
    mouse::Click(PageBox(), kOnNavCell);
    EXPECT_EQ(main->HistoryCount(), history);
    desktop.primaryButtonDown = false;

    mouse::Click(PageBox(), kOnNavCell, Qt::MiddleButton);
    EXPECT_EQ(main->HistoryCount(), history);

    mouse::Click(PageBox(), kOnNavCell);
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "0080FF");
    EXPECT_EQ(main->HistoryCount(), history + 1);
    EXPECT_FALSE(main->Drag().Armed());

    mouse::Click(PageBox(), kOnNavCell); // already the base colour
    EXPECT_EQ(main->HistoryCount(), history + 1);
}

// The toolkit reports a quick second press as a double click: it is a press all the same.
TEST_F(PreviewWindowTest, AQuickSecondPressActsAsAPress)
{
    ShowPreview();
    SetPage(kNavBG, Pack(0, 128, 255));
    SetPage(kMainBG, Pack(10, 20, 30));
    const int history = main->HistoryCount();
    mouse::Click(PageBox(), kOnNavCell);
    mouse::DoubleClick(PageBox(), kOnBodyCell);
    mouse::Release(PageBox(), kOnBodyCell);
    EXPECT_EQ(main->SchemeColors()[0], Pack(10, 20, 30));
    EXPECT_EQ(main->HistoryCount(), history + 2);

    // A click, then at once a press that drags: the page's nav colour onto the body cell.
    mouse::Click(PageBox(), kOnNavCell);
    mouse::DoubleClick(PageBox(), kOnNavCell);
    mouse::Move(PageBox(), kOnNavCell + QPoint(1, 0));
    mouse::Move(PageBox(), kOnBodyCell);
    mouse::Release(PageBox(), kOnBodyCell);
    EXPECT_EQ(preview->Colors()[kMainBG], Pack(0, 128, 255));

    // The black and white swatches begin their drag at the press.
    mouse::Click(BlackSwatch(), { 9, 9 });
    mouse::DoubleClick(BlackSwatch(), { 9, 9 });
    const QPoint overBody = Over(BlackSwatch(), PageBox(), kOnBodyCell);
    mouse::Move(BlackSwatch(), overBody);
    mouse::Release(BlackSwatch(), overBody);
    EXPECT_EQ(preview->Colors()[kMainBG], kBlack);
}

TEST_F(PreviewWindowTest, ResetAsksFirstAndMarksTheSchemeEvenWhenNothingChanges)
{
    ShowPreview();
    SetPage(kHeaderText, Pack(1, 1, 1));
    main->ClearSchemeModified();
    desktop.answers = { platform::Answer::No };
    ResetButton()->click();
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_EQ(desktop.questions[0], "Are you sure you want to reset the current QuickPreview colors?");
    EXPECT_EQ(preview->Colors()[kHeaderText], Pack(1, 1, 1));
    EXPECT_FALSE(main->SchemeModified());

    desktop.answers = { platform::Answer::Yes };
    ResetButton()->click();
    EXPECT_EQ(preview->Colors(), DefaultPreviewColors());
    EXPECT_TRUE(main->SchemeModified());

    main->ClearSchemeModified();
    desktop.answers = { platform::Answer::Yes };
    ResetButton()->click(); // already the defaults
    EXPECT_TRUE(main->SchemeModified());

    main->ClearSchemeModified();
    Drag(BlackSwatch(), { 9, 9 }, PageBox(), kOnTableHeader); // black on black text
    EXPECT_EQ(preview->Colors()[kTableHeaderText], kBlack);
    EXPECT_TRUE(main->SchemeModified());
}

TEST_F(PreviewWindowTest, SaveAsWebpageWritesThePageAndOffersTheLastName)
{
    ShowPreview();
    SetPage(kNavBG, Pack(10, 0, 255));
    const QString target = folder.file("page.html");
    desktop.saveChoices = { target };
    SaveButton()->click();
    EXPECT_EQ(folder.Read("page.html"), WebPageDocument(preview->Colors()));
    EXPECT_TRUE(folder.Read("page.html").contains("bgcolor=\"#0A00FF\" valign"));
    ASSERT_EQ(desktop.dialogRequests.size(), 1u);
    EXPECT_EQ(desktop.dialogRequests[0].filter, "HTML Files (*.html *.htm)");
    EXPECT_EQ(desktop.dialogRequests[0].defaultSuffix, "html");
    EXPECT_TRUE(desktop.dialogRequests[0].initialPath.isEmpty());

    desktop.saveChoices = { std::nullopt }; // cancelled: nothing written
    SetPage(kNavBG, kWhite);
    SaveButton()->click();
    ASSERT_EQ(desktop.dialogRequests.size(), 2u);
    EXPECT_EQ(desktop.dialogRequests[1].initialPath, target);
    EXPECT_TRUE(folder.Read("page.html").contains("#0A00FF"));
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_FALSE(main->SchemeModified());
}

TEST_F(PreviewWindowTest, ExportIntoAMissingFolderIsAnInvalidName)
{
    desktop.saveChoices = { folder.file("no/such/folder/page.html") };
    SaveButton()->click();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0], "Invalid filename");
}

TEST_F(PreviewWindowTest, ExportToAReadOnlyFolderIsDeniedAndKeepsTheOldFile)
{
    // Root writes through folder permissions, so as root a read-only file system stands in for them.
    TinyFilesystem readOnly(64);
    QString folderPath;
    if (geteuid() == 0) {
        if (!readOnly.mounted())
            GTEST_SKIP() << readOnly.skipReason().toStdString();
        folderPath = readOnly.path();
    } else {
        folderPath = folder.file("locked");
        ASSERT_EQ(::mkdir(QFile::encodeName(folderPath).constData(), 0755), 0);
    }
    const QString target = folderPath + "/page.html";
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old page");
    }
    if (geteuid() == 0)
        ASSERT_TRUE(readOnly.makeReadOnly());
    else
        ASSERT_EQ(::chmod(QFile::encodeName(folderPath).constData(), 0555), 0);

    desktop.saveChoices = { target };
    SaveButton()->click();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0], "File access denied");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old page");
    if (geteuid() != 0)
        ::chmod(QFile::encodeName(folderPath).constData(), 0755);
}

TEST_F(PreviewWindowTest, ExportToAFullDiskSaysSoAndKeepsTheOldFile)
{
    TinyFilesystem disk(16);
    if (!disk.mounted())
        GTEST_SKIP() << disk.skipReason().toStdString();
    const QString target = disk.file("page.html");
    {
        QFile old(target);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old page");
    }
    // Fill every remaining block.
    const int fd = ::open(QFile::encodeName(disk.file("filler")).constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    const QByteArray block(4096, 'x');
    for (int i = 0; i < 64 && ::write(fd, block.constData(), static_cast<size_t>(block.size())) > 0; ++i) { }
    ::close(fd);

    desktop.saveChoices = { target };
    SaveButton()->click();
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0], "Disk full");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old page");
}

// The contrast badges: each sits in a band beside its text's anchor, on the cell the text stands on.
class ContrastBadgeTest : public PreviewWindowTest {
protected:
    QAction* Toggle() const { return Named<QAction>(*preview, "mnuPopShowContrast"); }
    QImage Page() const { return PageBox()->Surface(); }

    static QRect Band(const ContrastPair& pair)
    {
        const QRect band(0, 0, 90, 16);
        return pair.alignRight ? band.translated(pair.badgeAt - QPoint(90, 0)) : band.translated(pair.badgeAt);
    }
};

TEST_F(ContrastBadgeTest, OffByDefaultAndTheSwitchIsRemembered)
{
    ASSERT_NE(Toggle(), nullptr);
    EXPECT_EQ(Toggle()->text(), "Show Contrast");
    EXPECT_TRUE(Toggle()->isCheckable());
    EXPECT_FALSE(Toggle()->isChecked());
    const QImage plain = Page();

    Toggle()->trigger();
    EXPECT_NE(Page(), plain);
    EXPECT_TRUE(IniFile(SettingsPath()).ReadBool("Preview", "ShowContrast", false));
    // A window made later (the next run) starts with the badges on.
    {
        TfrmPreview next(*main);
        EXPECT_TRUE(Named<QAction>(next, "mnuPopShowContrast")->isChecked());
        EXPECT_EQ(Named<PaintBox>(next, "pbPage")->Surface(), Page());
    }

    Toggle()->trigger();
    EXPECT_EQ(Page(), plain);
    EXPECT_FALSE(IniFile(SettingsPath()).ReadBool("Preview", "ShowContrast", true));
    EXPECT_TRUE(desktop.messages.empty());
}

TEST_F(ContrastBadgeTest, TheSwitchSaysWhenItCannotBeKept)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("tw3.ini"));
    const QImage plain = Page();
    Toggle()->trigger();
    EXPECT_NE(Page(), plain) << "the badges still show for this run";
    EXPECT_EQ(desktop.messages, QStringList { "The settings could not be saved in " + folder.file("tw3.ini") + ": it is a folder." });
}

TEST_F(ContrastBadgeTest, BadgesStayOnTheirCellsOffTheTextsAndFollowEveryChange)
{
    const ColorValue grey77 = Pack(0x77, 0x77, 0x77), red = Pack(255, 0, 0);
    struct Colouring {
        const char* name;
        std::vector<std::pair<PreviewColorSlot, ColorValue>> changes;
    };
    const Colouring colourings[] = {
        { "defaults", {} },
        { "grey body text, red navigation", { { kMainText, grey77 }, { kNavBG, red } } },
        { "dark page", { { kBackground, kBlack }, { kTableHeaderBG, Pack(20, 20, 60) }, { kTableHeaderText, kWhite } } },
    };
    for (const Colouring& c : colourings) {
        SCOPED_TRACE(c.name);
        // Coloured, as a reset, a drop or an opened scheme colours it, while the badges show.
        if (!Toggle()->isChecked())
            Toggle()->trigger();
        preview->ResetPreviewColors();
        for (const auto& [slot, color] : c.changes)
            SetPage(slot, color);
        const QImage badged = Page();
        Toggle()->trigger();
        const QImage plain = Page();
        Toggle()->trigger();
        ASSERT_EQ(Page(), badged);

        PreviewPage model;
        model.SetColors(preview->Colors());
        const auto readings = model.Contrasts();
        std::vector<int> changed(readings.size(), 0), failInk(readings.size(), 0);
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (badged.pixel(x, y) == plain.pixel(x, y))
                    continue;
                const QPoint at(x, y);
                for (const PageTextStyle& text : PreviewPage::TextStyles())
                    EXPECT_FALSE(PreviewPage::Info(text.element).box.contains(at)) << x << "," << y;
                bool placed = false;
                for (std::size_t i = 0; i < readings.size(); ++i) {
                    const ContrastPair& pair = *readings[i].pair;
                    if (!Band(pair).contains(at))
                        continue;
                    placed = true;
                    EXPECT_EQ(PreviewPage::ElementAt(at), pair.background) << x << "," << y;
                    ++changed[i];
                    const QRgb p = badged.pixel(x, y);
                    failInk[i] += qRed(p) > 100 && qRed(p) - qGreen(p) > 60 && qRed(p) - qBlue(p) > 60;
                }
                EXPECT_TRUE(placed) << x << "," << y;
            }
        }
        for (std::size_t i = 0; i < readings.size(); ++i) {
            const char* text = PreviewPage::Info(readings[i].pair->text).name;
            EXPECT_GT(changed[i], 100) << text;
            EXPECT_EQ(failInk[i] > 0, readings[i].grade == ContrastGrade::Fail) << text;
        }
    }
}

TEST_F(PreviewWindowTest, ThePageIsShownAsSeenInTheColourVisionWhileItsColoursStayTrue)
{
    SetPage(kNavBG, Pack(30, 160, 90));
    PaintBox* page = PageBox();
    const QImage truePage = page->Surface();
    for (const VisionModeInfo& info : VisionModes()) {
        SCOPED_TRACE(info.name);
        SetShownVision(info.mode);
        const QImage shown = page->grab().toImage().scaled(page->size());
        EXPECT_EQ(PixelOf(page, kOnNavCell), Pack(30, 160, 90));
        EXPECT_EQ(canvas::FromRgb(shown.pixel(kOnNavCell)), SimulateVision(Pack(30, 160, 90), info.mode));
        EXPECT_EQ(page->Surface(), truePage);
        // Black and white look the same to everyone.
        for (PaintBox* swatch : { BlackSwatch(), WhiteSwatch() })
            EXPECT_EQ(swatch->grab().toImage().scaled(swatch->size()).pixel(9, 9), swatch->PixelAt({ 9, 9 }));
        // A right press offers the true colour to copy.
        mouse::Press(page, kOnNavCell, Qt::RightButton);
        EXPECT_EQ(main->SelectedColor(), Pack(30, 160, 90));
        PagePopup()->close();
    }
    SetShownVision(VisionMode::Normal);
    EXPECT_EQ(page->grab().toImage().scaled(page->size()).convertToFormat(QImage::Format_RGB32), truePage);
}

} // namespace

TEST_F(PreviewWindowTest, OnADenseScreenThePageTextIsDrawnAtItsDetailAndTheCellsStayFlat)
{
    const QImage plain = density::RenderedAt(PageBox(), 1);
    const QRgb background = canvas::ToRgb(preview->Colors()[kBackground]);
    const QRect header = PreviewPage::Info(PageElement::Header).box;
    for (const qreal ratio : density::kRatios) {
        SCOPED_TRACE(ratio);
        const QImage dense = density::RenderedAt(PageBox(), ratio);
        const QImage stretched = density::Enlarged(plain, ratio);
        const QRect area = density::DeviceRect(header, ratio);
        EXPECT_GT(density::DifferingPixels(dense, stretched, area), area.width() * area.height() / 10)
            << "the page's title is set anew at the ratio, not blown up";
        if (ratio == 2) {
            EXPECT_EQ(density::FlatBlockShare(stretched, area, background), 1.0);
            EXPECT_LT(density::FlatBlockShare(dense, area, background), 0.5);
        }
        // The cells below their texts, and the two swatches, are their colours at every device pixel.
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 31, 152, 88, 53 }, ratio),
            canvas::ToRgb(preview->Colors()[kNavBG])));
        EXPECT_FALSE(density::FirstOffColour(dense, density::DeviceRect({ 120, 134, 176, 71 }, ratio),
            canvas::ToRgb(preview->Colors()[kMainBG])));
        EXPECT_FALSE(density::FirstOffColour(density::RenderedAt(WhiteSwatch(), ratio),
            density::DeviceRect({ 1, 1, 16, 16 }, ratio), qRgb(255, 255, 255)));
        EXPECT_FALSE(density::FirstOffColour(density::RenderedAt(BlackSwatch(), ratio),
            density::DeviceRect({ 0, 0, 18, 18 }, ratio), qRgb(0, 0, 0)));
    }
}
