#include "color/NamedColors.h"
#include "favorites/TfrmFavorites.h"
#include "app/WindowWiring.h"
#include "platform/ShownVision.h"
#include "main/ColorDrag.h"
#include "main/TfrmMain.h"
#include "persist/IniFile.h"
#include "platform/Canvas.h"
#include "platform/DragManager.h"
#include "platform/Fonts.h"
#include "platform/PaintBox.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QToolButton>
#include <QTest>
#include <QToolTip>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kMarkGreen = qRgb(51, 153, 0);

bool WaitUntil(const std::function<bool()>& done, int milliseconds = 10000)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

class FavoritesWindowTest : public ::testing::Test {
protected:
    void Start(std::optional<QPoint> mainAt = std::nullopt)
    {
        main = std::make_unique<TfrmMain>();
        if (mainAt)
            main->move(*mainAt);
        main->show();
        favs = std::make_unique<TfrmFavorites>(*main);
        favs->show();
        QApplication::processEvents();
    }

    void TearDown() override { DragManager::Instance().Cancel(); }

    FavoritesModel& Model() { return favs->Model(); }
    // The window's controls, by the names the program knows them by.
    template <class T>
    T* Control(const char* name) { return Named<T>(*favs, name); }
    PaintBox* List() { return Control<PaintBox>("pbFavs"); }
    QScrollBar* Bar() { return Control<QScrollBar>("sbFavs"); }
    int ListWidth() { return List()->width(); }
    QRgb Pixel(int x, int y) { return List()->PixelAt({ x, y }); }

    void Fill(std::initializer_list<ColorValue> colors)
    {
        FavColorList list;
        for (ColorValue c : colors)
            list.push_back(TFavColor::FromColor(c));
        Model().Replace(list);
    }
    void FillMany(int count)
    {
        FavColorList list;
        for (int i = 0; i < count; ++i)
            list.push_back(TFavColor::FromColor(Pack(i, 255 - i, 7 * i)));
        Model().Replace(list);
    }

    // A point of `from` that lies over point `local` of `to`, for events that travel across widgets.
    static QPoint Over(QWidget* from, QWidget* to, QPoint local) { return from->mapFromGlobal(to->mapToGlobal(local)); }

    // Presses a main-window swatch and moves the pointer: its drag is pending.
    QWidget* BeginSwatchDrag(int number)
    {
        PaintBox* swatch = Named<PaintBox>(*main, qPrintable(QStringLiteral("pbColors%1").arg(number)));
        mouse::Press(swatch, { 10, 10 });
        mouse::Move(swatch, { 11, 10 });
        return swatch;
    }
    void DropSwatchOnList(int number, QPoint listPoint)
    {
        QWidget* swatch = BeginSwatchDrag(number);
        mouse::Move(swatch, Over(swatch, List(), listPoint));
        mouse::Release(swatch, Over(swatch, List(), listPoint));
    }

    // Presses a row, drags it past the threshold and releases it at a list point.
    void DragRowTo(int pressY, QPoint releaseAt)
    {
        mouse::Press(List(), { 20, pressY });
        mouse::Move(List(), { 20, pressY + (releaseAt.y() > pressY ? 12 : -12) });
        mouse::Move(List(), releaseAt);
        mouse::Release(List(), releaseAt);
    }

    std::vector<ColorValue> Colors()
    {
        std::vector<ColorValue> colors;
        for (const TFavColor& fav : Model().FavColors())
            colors.push_back(fav.Color);
        return colors;
    }

    // Pixels in a box of the list that show a colour.
    int CountPixels(QRect box, QRgb color)
    {
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                count += Pixel(x, y) == color;
        return count;
    }
    // Pixels in a box that differ from a background colour.
    int CountInk(QRect box, QRgb background) { return box.width() * box.height() - CountPixels(box, background); }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmFavorites> favs;
};

const ColorValue kA = Pack(200, 30, 30);
const ColorValue kB = Pack(30, 200, 30);
const ColorValue kC = Pack(30, 30, 200);

TEST_F(FavoritesWindowTest, WindowTakesItsHeightAndDockedPlaceFromTheMainWindow)
{
    Start();
    EXPECT_EQ(favs->windowTitle(), "Favorites");
    EXPECT_TRUE(favs->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(favs->width(), 131);
    EXPECT_EQ(favs->frameGeometry().height(), main->frameGeometry().height());
    const QRect mainFrame = main->frameGeometry();
    EXPECT_EQ(favs->pos(), QPoint(mainFrame.left() + mainFrame.width(), mainFrame.top()));
    const int h = favs->height();
    EXPECT_EQ(List()->geometry(), QRect(0, 0, 114, h - 25));
    EXPECT_EQ(Bar()->geometry(), QRect(114, 0, 17, h - 25));
    EXPECT_EQ(Control<QWidget>("tlbFavs")->geometry(), QRect(1, h - 23, 130, 22));
    EXPECT_EQ(Bar()->singleStep(), 5);
    EXPECT_EQ(Bar()->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(Named<QAction>(*main, "mnuToolsFavs")->isEnabled());

    // An empty list: three grey lines of text, nothing to scroll, nothing to act on.
    EXPECT_GT(CountInk(QRect(0, 9, 114, 45), canvas::ButtonFace()), 100);
    EXPECT_GT(CountPixels(QRect(0, 9, 114, 45), canvas::ButtonShadow()), 0);
    EXPECT_EQ(CountPixels(QRect(0, 9, 114, 45), canvas::WindowText()), 0);
    EXPECT_EQ(CountPixels(QRect(0, 0, 114, 9), canvas::ButtonFace()), 114 * 9);
    EXPECT_FALSE(Bar()->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("tbCopy")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("tbDelete")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("tbFavWebsafe")->isEnabled());
    EXPECT_TRUE(Control<QToolButton>("tbOnTop")->isEnabled());
}

// A tool button running a menu command is spoken by its own hint, as it is shown, not by the menu's caption.
TEST_F(FavoritesWindowTest, EveryToolButtonIsNamedByItsHint)
{
    Start();
    int commands = 0;
    for (QWidget* window : { static_cast<QWidget*>(main.get()), static_cast<QWidget*>(favs.get()) }) {
        for (QToolButton* button : window->findChildren<QToolButton*>()) {
            if (button->objectName().startsWith("qt_"))
                continue; // the toolkit's own (the menu bar's overflow button)
            SCOPED_TRACE(button->objectName().toStdString());
            commands += button->defaultAction() != nullptr;
            QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
            ASSERT_NE(spoken, nullptr);
            EXPECT_FALSE(button->toolTip().isEmpty());
            EXPECT_EQ(spoken->text(QAccessible::Name), button->toolTip());
        }
    }
    EXPECT_GE(commands, 4) << "Back, Forward, QuickPreview and Delete run menu commands";
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Named<QToolButton>(*main, "tbBack"))->text(QAccessible::Name), "Back");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Control<QToolButton>("tbDelete"))->text(QAccessible::Name),
        "Delete Color");
}

TEST_F(FavoritesWindowTest, StoredPlaceAndAlwaysOnTopAreRestored)
{
    folder.Write("tw3.ini", "[Favs]\nTop=60\nLeft=20\n[Prefs]\nFavOnTop=1\n");
    Start();
    EXPECT_EQ(favs->pos(), QPoint(20, 60));
    EXPECT_TRUE(Control<QToolButton>("tbOnTop")->isChecked());
    EXPECT_TRUE(favs->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    Control<QToolButton>("tbOnTop")->click();
    QApplication::processEvents();
    EXPECT_FALSE(favs->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(favs->isVisible());
    EXPECT_EQ(favs->pos(), QPoint(20, 60));

    favs->move(40, 70);
    Control<QToolButton>("tbOnTop")->click();
    KeepToolWindowPlaces(*main, favs.get(), nullptr);
    main->close();
    const QString ini = QString::fromLatin1(folder.Read("tw3.ini"));
    EXPECT_TRUE(ini.contains("[Favs]\nTop=70\nLeft=40\n")) << ini.toStdString();
    EXPECT_TRUE(ini.contains("FavOnTop=1"));
}

TEST_F(FavoritesWindowTest, RowPictureFramesFillsSeparatorsAndSelection)
{
    Start();
    Fill({ kA, kB, kC });
    Model().Select(1);
    const QRgb shadow = canvas::ButtonShadow();
    // Row 0, unselected: sunken outer frame, black inner frame, the colour inside, white separator.
    EXPECT_EQ(Pixel(3, 20), shadow);
    EXPECT_EQ(Pixel(20, 3), shadow);
    EXPECT_EQ(Pixel(36, 20), kWhite);
    EXPECT_EQ(Pixel(20, 36), kWhite);
    EXPECT_EQ(Pixel(4, 20), kBlack);
    EXPECT_EQ(Pixel(35, 20), kBlack);
    EXPECT_EQ(Pixel(20, 35), kBlack);
    EXPECT_EQ(Pixel(5, 5), canvas::ToRgb(kA));
    EXPECT_EQ(Pixel(34, 34), canvas::ToRgb(kA));
    EXPECT_EQ(Pixel(1, 20), canvas::ButtonFace());
    EXPECT_EQ(Pixel(37, 20), canvas::ButtonFace());
    EXPECT_EQ(Pixel(60, 41), kWhite);
    // Row 1, selected: highlight behind, black outer and white inner frame.
    EXPECT_EQ(Pixel(1, 42 + 20), canvas::Highlight());
    EXPECT_EQ(Pixel(100, 42 + 1), canvas::Highlight());
    EXPECT_EQ(Pixel(3, 42 + 20), kBlack);
    EXPECT_EQ(Pixel(36, 42 + 20), kBlack);
    EXPECT_EQ(Pixel(4, 42 + 20), kWhite);
    EXPECT_EQ(Pixel(20, 42 + 35), kWhite);
    EXPECT_EQ(Pixel(20, 42 + 20), canvas::ToRgb(kB));
    EXPECT_EQ(Pixel(60, 42 + 41), kWhite);
    // The last row's bottom line is shadow, and below it the face colour.
    EXPECT_EQ(Pixel(0, 84 + 41), shadow);
    EXPECT_EQ(Pixel(113, 84 + 41), shadow);
    EXPECT_EQ(Pixel(60, 126), canvas::ButtonFace());
    // Both text lines are there.
    EXPECT_GT(CountInk(QRect(43, 9, 50, 11), canvas::ButtonFace()), 20);
    EXPECT_GT(CountInk(QRect(43, 21, 50, 11), canvas::ButtonFace()), 20);
}

TEST_F(FavoritesWindowTest, OnlyTheSelectedRowsHexLineIsBold)
{
    Start();
    Fill({ kA, kA });
    Model().Select(1);
    const QRect hexLine(43, 9, 55, 11);
    const QRect decimalLine(43, 21, 55, 11);
    const int plainHex = CountInk(hexLine, canvas::ButtonFace());
    const int selectedHex = CountInk(hexLine.translated(0, 42), canvas::Highlight());
    EXPECT_GT(selectedHex, plainHex + 5);
    EXPECT_EQ(CountInk(decimalLine, canvas::ButtonFace()), CountInk(decimalLine.translated(0, 42), canvas::Highlight()));
}

TEST_F(FavoritesWindowTest, WebsafeMarkAndItsHint)
{
    Start();
    Fill({ Pack(0, 51, 255), Pack(0, 51, 250), Pack(0, 51, 255) });
    Model().Select(2);
    const int w = ListWidth();
    const QRect mark(w - 15, 8, 12, 13);
    EXPECT_GT(CountPixels(mark, kMarkGreen), 5);
    EXPECT_EQ(CountPixels(mark.translated(0, 42), kMarkGreen), 0);
    EXPECT_EQ(CountInk(mark.translated(0, 42), canvas::ButtonFace()), 0);
    // On the selected row the mark takes the selection's text colour.
    EXPECT_EQ(CountPixels(mark.translated(0, 84), kMarkGreen), 0);
    EXPECT_GT(CountPixels(mark.translated(0, 84), canvas::HighlightText()), 5);
    // Nothing of the mark strays outside the area its hint covers.
    EXPECT_EQ(CountPixels(QRect(w - 30, 0, 14, 42), kMarkGreen), 0);

    const auto hintAt = [this](int x, int y) {
        mouse::Move(List(), { x, y }, Qt::NoButton);
        const QString hint = List()->HintAt({ x, y }).text;
        return hint == "Websafe color" ? hint : QString();
    };
    EXPECT_EQ(hintAt(w - 10, 14), "Websafe color");
    EXPECT_EQ(hintAt(w - 15, 9), "Websafe color");
    EXPECT_EQ(hintAt(w - 5, 19), "Websafe color");
    EXPECT_EQ(hintAt(w - 16, 14), "");
    EXPECT_EQ(hintAt(w - 4, 14), "");
    EXPECT_EQ(hintAt(w - 10, 8), "");
    EXPECT_EQ(hintAt(w - 10, 20), "");
    EXPECT_EQ(hintAt(w - 10, 42 + 14), ""); // not websafe
    EXPECT_EQ(hintAt(w - 10, 84 + 14), "Websafe color");
    EXPECT_EQ(List()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(hintAt(20, 130), ""); // below the last row
    EXPECT_FALSE(List()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(FavoritesWindowTest, RowsNameTheirColoursInTheirHints)
{
    Start();
    Fill({ Pack(205, 133, 63), Pack(0, 51, 255), Pack(255, 0, 255), Pack(250, 128, 115) });
    const int w = ListWidth();
    struct Case {
        QPoint at;
        const char* hint;
    };
    const Case cases[] = {
        { { 20, 20 }, "peru" },
        { { 60, 30 }, "peru" }, // anywhere on the row
        { { 20, 42 + 20 }, "\u2248 blue" },
        { { w - 10, 42 + 14 }, "Websafe color" }, // the mark keeps its own hint
        { { w - 10, 84 + 14 }, "Websafe color" },
        { { w - 10, 84 + 30 }, "fuchsia" },       // magenta shares it: the first in the alphabet
        { { 20, 126 + 20 }, "\u2248 salmon" },
        { { 20, 168 + 5 }, "" }, // below the last row
    };
    for (const Case& c : cases)
        EXPECT_EQ(List()->HintAt(c.at).text, QString::fromUtf8(c.hint)) << c.at.x() << "," << c.at.y();
    // The tip goes as the pointer leaves the row it names.
    EXPECT_EQ(List()->HintAt({ 20, 42 + 20 }).area, QRect(0, 42, w, 42));

    // Scrolled, the rows under the pointer are named.
    FillMany(20);
    Bar()->setValue(50);
    EXPECT_EQ(List()->HintAt({ 20, 0 }).text, QString::fromStdString(ColorNameText(Model().FavColors()[1].Color)));
}

TEST_F(FavoritesWindowTest, ShownAsSeenInTheColourVisionWhileTheFavouritesStayTrue)
{
    Start();
    const ColorValue color = Pack(30, 160, 90);
    Fill({ color });
    for (const VisionModeInfo& info : VisionModes()) {
        SetShownVision(info.mode);
        const QImage shown = List()->grab().toImage().scaled(List()->size());
        EXPECT_EQ(shown.pixel(20, 20), canvas::ToRgb(SimulateVision(color, info.mode))) << info.name;
        EXPECT_EQ(Pixel(20, 20), canvas::ToRgb(color)) << info.name;
        EXPECT_EQ(Model().FavColors()[0].Color, color);
    }
    SetShownVision(VisionMode::Normal);
}

TEST_F(FavoritesWindowTest, ScrollRangeFollowsTheContent)
{
    Start();
    const int page = List()->height();
    const int fits = page / 42;
    FillMany(fits);
    EXPECT_FALSE(Bar()->isEnabled());
    EXPECT_EQ(Bar()->value(), 0);
    FillMany(fits + 1);
    EXPECT_TRUE(Bar()->isEnabled());
    EXPECT_EQ(Bar()->maximum(), 42 * (fits + 1) - page + 1);

    // Scrolled by 20 pixels the first row starts at -20 and the second at 22.
    FillMany(20);
    Bar()->setValue(20);
    EXPECT_EQ(Pixel(60, 21), kWhite);
    EXPECT_EQ(Pixel(20, 22 + 3), canvas::ButtonShadow());
    EXPECT_EQ(Pixel(20, 22 + 20), canvas::ToRgb(Model().FavColors()[1].Color));

    // A click beside the thumb moves a fixed 20 pixels, not a page.
    Bar()->setValue(0);
    Bar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(Bar()->value(), 20);

    // Deleting a row pulls the position back into the shorter content.
    FillMany(fits + 1);
    Bar()->setValue(Bar()->maximum());
    Model().Select(fits);
    Control<QToolButton>("tbDelete")->click();
    EXPECT_FALSE(Bar()->isEnabled());
    EXPECT_EQ(Bar()->value(), 0);
    EXPECT_EQ(Pixel(60, 42 * fits - 1), canvas::ButtonShadow());
}

TEST_F(FavoritesWindowTest, ClickSelectsARowWithoutDragging)
{
    Start();
    Fill({ kA, kB, kC });
    mouse::Press(List(), { 20, 50 });
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_EQ(Pixel(1, 50), canvas::Highlight());
    EXPECT_TRUE(DragManager::Instance().IsPending());
    mouse::Move(List(), { 25, 50 });
    mouse::Release(List(), { 25, 50 });
    EXPECT_FALSE(DragManager::Instance().IsPending());
    EXPECT_EQ(Colors(), (std::vector { kA, kB, kC }));
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_FALSE(main->SchemeModified());
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);

    // A press below the last row leaves the selection alone and starts nothing.
    mouse::Press(List(), { 20, 140 });
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_FALSE(DragManager::Instance().IsPending());
    mouse::Release(List(), { 20, 140 });
}

TEST_F(FavoritesWindowTest, DraggingARowWithinTheList)
{
    Start();
    Fill({ kA, kB, kC });
    DragRowTo(84 + 20, { 20, 21 }); // upper half of row 0, its midpoint line included
    EXPECT_EQ(Colors(), (std::vector { kC, kA, kB }));
    EXPECT_EQ(Model().FavSelected(), 0);
    EXPECT_TRUE(main->SchemeModified());

    Fill({ kA, kB, kC });
    DragRowTo(84 + 20, { 20, 22 }); // lower half of row 0
    EXPECT_EQ(Colors(), (std::vector { kA, kC, kB }));
    EXPECT_EQ(Model().FavSelected(), 1);

    Fill({ kA, kB, kC });
    DragRowTo(20, { 20, 140 }); // below the last row
    EXPECT_EQ(Colors(), (std::vector { kB, kC, kA }));
    EXPECT_EQ(Model().FavSelected(), 2);
}

TEST_F(FavoritesWindowTest, DragOverShowsTheFocusRectangleAndInsertionLine)
{
    Start();
    Fill({ kA, kB, kC });
    // Row 1 dragged between the midpoints of its neighbours: focus rectangle, but no insertion line.
    mouse::Press(List(), { 20, 60 });
    for (int y : { 22, 50, 80, 105 }) {
        mouse::Move(List(), { 20, y });
        ASSERT_TRUE(DragManager::Instance().IsActive());
        EXPECT_EQ(Pixel(60, 43), canvas::Highlight()) << y;
        EXPECT_EQ(Pixel(60, 85), canvas::ButtonFace()) << y;
    }
    mouse::Move(List(), { 20, 60 });
    // The dotted outline inverts every other pixel of its top edge, y - 21.
    const QRgb face = canvas::ButtonFace();
    EXPECT_EQ(Pixel(1, 39), face ^ 0x00FFFFFF);
    EXPECT_EQ(Pixel(2, 39), face);
    mouse::Move(List(), { 20, 106 }); // past row 2's midpoint: the line below row 2
    EXPECT_EQ(Pixel(60, 126), face);
    EXPECT_EQ(Pixel(60, 125), kBlack);
    EXPECT_EQ(Pixel(60, 127), kBlack);
    mouse::Release(List(), { 20, 200 });
    // The end of the drag takes the marker away.
    EXPECT_EQ(Pixel(60, 125), canvas::ButtonShadow());
    EXPECT_EQ(Pixel(60, 127), face);
    EXPECT_EQ(Colors(), (std::vector { kA, kC, kB }));
}

TEST_F(FavoritesWindowTest, SwatchDroppedBelowTheLastRowIsAppendedAndSelected)
{
    Start();
    Fill({ kA, kB });
    DropSwatchOnList(3, { 30, 150 });
    ASSERT_EQ(Model().Count(), 3);
    EXPECT_EQ(Model().FavColors()[2].Color, main->SchemeColors()[2]);
    EXPECT_EQ(Model().FavSelected(), 2);
    EXPECT_TRUE(main->SchemeModified());
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
    EXPECT_TRUE(Control<QToolButton>("tbCopy")->isEnabled());
    EXPECT_EQ(Pixel(20, 84 + 20), canvas::ToRgb(main->SchemeColors()[2]));

    // Into the upper half of row 0 on an empty list and a full one alike.
    Model().Clear();
    DropSwatchOnList(5, { 30, 5 });
    EXPECT_EQ(Colors(), (std::vector { main->SchemeColors()[4] }));
    DropSwatchOnList(6, { 30, 5 });
    EXPECT_EQ(Colors(), (std::vector { main->SchemeColors()[5], main->SchemeColors()[4] }));
}

TEST_F(FavoritesWindowTest, RowDroppedOnTheDeleteButtonIsDeleted)
{
    Start();
    Fill({ kA, kB, kC });
    const QPoint button = Over(List(), Control<QToolButton>("tbDelete"), Control<QToolButton>("tbDelete")->rect().center());
    DragRowTo(50, button);
    EXPECT_EQ(Colors(), (std::vector { kA, kC }));
    EXPECT_TRUE(desktop.questions.isEmpty());
    EXPECT_FALSE(DragManager::Instance().IsPending());

    folder.Write("tw3.ini", "[Prefs]\nFavDelWarn=1\n");
    desktop.answers = { platform::Answer::No, platform::Answer::Yes };
    DragRowTo(20, button);
    EXPECT_EQ(Colors(), (std::vector { kA, kC }));
    ASSERT_EQ(desktop.questions.size(), 1);
    EXPECT_EQ(desktop.questions[0], "Are you sure you want to delete the selected color?");
    DragRowTo(20, button);
    EXPECT_EQ(Colors(), (std::vector { kC }));
    EXPECT_EQ(Model().FavSelected(), 0);

    // The warning is read again at every delete.
    folder.Write("tw3.ini", "[Prefs]\nFavDelWarn=0\n");
    Control<QAction>("mnuFavPopDelete")->trigger();
    EXPECT_TRUE(Model().IsEmpty());
    EXPECT_FALSE(Control<QToolButton>("tbDelete")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("tbCopy")->isEnabled());
    EXPECT_FALSE(Control<QToolButton>("tbFavWebsafe")->isEnabled());
    EXPECT_EQ(desktop.questions.size(), 2);
}

TEST_F(FavoritesWindowTest, DeleteButtonRefusesOtherSources)
{
    Start();
    Fill({ kA });
    QWidget* swatch = BeginSwatchDrag(2);
    const QPoint button = Over(swatch, Control<QToolButton>("tbDelete"), Control<QToolButton>("tbDelete")->rect().center());
    mouse::Move(swatch, button);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::ForbiddenCursor);
    mouse::Release(swatch, button);
    EXPECT_EQ(Colors(), (std::vector { kA }));
    EXPECT_FALSE(main->SchemeModified());
}

TEST_F(FavoritesWindowTest, DoubleClickAdoptsTheRowOfThePress)
{
    Start();
    Fill({ Pack(0, 0, 255), Pack(0, 128, 0) });
    mouse::Click(List(), { 20, 50 });
    mouse::DoubleClick(List(), { 20, 50 });
    mouse::Release(List(), { 20, 50 });
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "008000");
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_FALSE(main->SchemeModified());

    mouse::Click(List(), { 20, 120 });
    mouse::DoubleClick(List(), { 20, 120 });
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "008000");
}

TEST_F(FavoritesWindowTest, PopUpMenuCopiesSetsBaseAndMakesWebsafe)
{
    Start();
    Fill({ kA, Pack(255, 0, 255), Pack(10, 100, 200) });
    mouse::Press(List(), { 20, 60 }, Qt::RightButton);
    EXPECT_FALSE(DragManager::Instance().IsPending());
    EXPECT_TRUE(Control<QMenu>("mnuFavPop")->isVisible());
    EXPECT_EQ(Model().FavSelected(), 1);
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyHex1")->text(), "FF00FF");
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyHEX2")->text(), "#FF00FF");
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyRGB")->text(), "255,0,255");
    Control<QMenu>("mnuFavPop")->close();
    Named<QAction>(*favs, "mnuFavPopCopyRGB")->trigger();
    EXPECT_EQ(desktop.clipboardText, "255,0,255");
    Named<QAction>(*favs, "mnuFavPopCopyHEX2")->trigger();
    EXPECT_EQ(desktop.clipboardText, "#FF00FF");
    Control<QAction>("mnuFavPopSetBase")->trigger();
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), "FF00FF");

    // The copy button's face copies the six digits; its submenu is refilled from the selection when it opens.
    Model().Select(2);
    Control<QToolButton>("tbCopy")->click();
    EXPECT_EQ(desktop.clipboardText, "0A64C8");
    emit Control<QMenu>("mnuFavPopCopy")->aboutToShow();
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyRGB")->text(), "10,100,200");

    Control<QToolButton>("tbFavWebsafe")->click();
    EXPECT_EQ(Model().FavColors()[2].Hex, "0066CC");
    EXPECT_TRUE(main->SchemeModified());

    // A right press below the last row opens nothing.
    mouse::Press(List(), { 20, 140 }, Qt::RightButton);
    EXPECT_FALSE(Control<QMenu>("mnuFavPop")->isVisible());
}

TEST_F(FavoritesWindowTest, WebsafeAndDeleteAreOneCommandForButtonAndPopUpEntry)
{
    Start();
    const std::pair<const char*, const char*> shared[] = { { "tbFavWebsafe", "mnuFavPopWebsafe" },
        { "tbDelete", "mnuFavPopDelete" } };
    for (const auto& [buttonName, commandName] : shared) {
        auto* button = Named<QToolButton>(*favs, buttonName);
        auto* command = Named<QAction>(*favs, commandName);
        ASSERT_TRUE(button && command);
        EXPECT_TRUE(Control<QMenu>("mnuFavPop")->actions().contains(command)) << commandName;
        // Nothing to act on: both disabled, and enabled together once there is.
        Fill({});
        EXPECT_FALSE(command->isEnabled() || button->isEnabled()) << commandName;
        Fill({ Pack(10, 100, 200), kA });
        EXPECT_TRUE(command->isEnabled() && button->isEnabled()) << commandName;
    }
    EXPECT_EQ(Named<QToolButton>(*favs, "tbDelete")->toolTip(), "Delete Color");
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopDelete")->text(), "Delete");

    Named<QAction>(*favs, "mnuFavPopWebsafe")->trigger();
    EXPECT_EQ(Model().FavColors()[0].Hex, "0066CC");
    Named<QToolButton>(*favs, "tbDelete")->click();
    ASSERT_EQ(Model().Count(), 1);
    EXPECT_EQ(Model().FavColors()[0].Color, kA);
}

TEST_F(FavoritesWindowTest, CopyCaptionsShowAFileTextAsItIs)
{
    Start();
    TFavColor odd = TFavColor::FromColor(Pack(1, 2, 3));
    odd.Hex = "A&B\tC";
    Model().Replace({ odd });
    mouse::Press(List(), { 20, 10 }, Qt::RightButton);
    Control<QMenu>("mnuFavPop")->close();
    auto* hex = Named<QAction>(*favs, "mnuFavPopCopyHex1");
    ASSERT_TRUE(hex);
    EXPECT_EQ(hex->text(), "A&&B C");
    hex->trigger();
    EXPECT_EQ(desktop.clipboardText, "A&B\tC");
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyHEX2")->text(), "#A&&B C");
}

TEST_F(FavoritesWindowTest, MiddleButtonDragsLikeTheLeft)
{
    Start();
    Fill({ kA, kB, kC });
    mouse::Press(List(), { 20, 100 }, Qt::MiddleButton);
    EXPECT_EQ(Model().FavSelected(), 2);
    EXPECT_TRUE(DragManager::Instance().IsPending());
    mouse::Move(List(), { 20, 5 }, Qt::MiddleButton);
    EXPECT_TRUE(DragManager::Instance().IsActive());
    mouse::Release(List(), { 20, 5 }, Qt::MiddleButton);
    EXPECT_EQ(Colors(), (std::vector { kC, kA, kB }));
}

TEST_F(FavoritesWindowTest, AutoScrollReachesTheTop)
{
    Start();
    FillMany(20);
    Bar()->setValue(101);
    const int row = (60 + 101) / 42;
    mouse::Press(List(), { 20, 60 });
    mouse::Move(List(), { 20, 5 });
    EXPECT_TRUE(favs->AutoScrolling());
    // Two pixels a tick until the top, where the timer stops itself.
    EXPECT_TRUE(WaitUntil([this] { return !favs->AutoScrolling(); }));
    EXPECT_EQ(Bar()->value(), 0);
    mouse::Release(List(), { 20, 5 });
    EXPECT_EQ(Model().FavSelected(), 0);
    EXPECT_EQ(Model().FavColors()[0].Color, Pack(row, 255 - row, 7 * row));
}

TEST_F(FavoritesWindowTest, AutoScrollStopsInTheMiddleAndGoesOnAfterTheDrop)
{
    Start();
    FillMany(20);
    const int page = List()->height();
    Bar()->setValue(Bar()->maximum() - 40);
    mouse::Press(List(), { 20, 20 });
    mouse::Move(List(), { 20, page - 5 });
    EXPECT_TRUE(favs->AutoScrolling());
    mouse::Move(List(), { 20, page / 2 });
    EXPECT_FALSE(favs->AutoScrolling());

    mouse::Move(List(), { 20, page - 3 });
    EXPECT_TRUE(favs->AutoScrolling());
    mouse::Release(List(), { 20, page - 3 });
    EXPECT_FALSE(DragManager::Instance().IsPending());
    EXPECT_TRUE(WaitUntil([this] { return !favs->AutoScrolling(); }));
    EXPECT_GE(Bar()->value() + page, 42 * 20);
}

TEST_F(FavoritesWindowTest, MainWindowCarriesADockedFavoritesWindow)
{
    Start();
    const auto mainRight = [this] { return main->frameGeometry().left() + main->frameGeometry().width(); };
    favs->move(mainRight() + 10, main->frameGeometry().top() + 5);
    main->move(main->pos() + QPoint(30, 20));
    QApplication::processEvents();
    EXPECT_EQ(favs->pos(), QPoint(mainRight(), main->frameGeometry().top()));

    // Docked now, it follows every further move.
    main->move(main->pos() + QPoint(-50, 7));
    QApplication::processEvents();
    EXPECT_EQ(favs->pos(), QPoint(mainRight(), main->frameGeometry().top()));

    const QPoint away(mainRight() + 15, main->frameGeometry().top());
    favs->move(away);
    main->move(main->pos() + QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_EQ(favs->pos(), away);

    const QPoint below(mainRight(), main->frameGeometry().top() - 15);
    favs->move(below);
    main->move(main->pos() + QPoint(10, 10));
    QApplication::processEvents();
    EXPECT_EQ(favs->pos(), below);
}

TEST_F(FavoritesWindowTest, ToolsMenuAndCloseButtonShowAndHide)
{
    Start();
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Hide Favorites");
    Named<QAction>(*main, "mnuToolsFavs")->trigger();
    EXPECT_FALSE(favs->isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Show Favorites");
    Named<QAction>(*main, "mnuToolsFavs")->trigger();
    EXPECT_TRUE(favs->isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Hide Favorites");

    Fill({ kA });
    favs->close();
    EXPECT_FALSE(favs->isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Show Favorites");
    Named<QAction>(*main, "mnuToolsFavs")->trigger();
    EXPECT_TRUE(favs->isVisible());
    EXPECT_EQ(Colors(), (std::vector { kA }));
}

TEST_F(FavoritesWindowTest, QuickPreviewTakesTheFavoriteDraggedFromTheList)
{
    Start(QPoint(420, 40));
    TfrmPreview preview(*main);
    preview.move(20, 40);
    preview.show();
    Fill({ kA, kB });
    const QPoint bodyCell = Over(List(), Named<PaintBox>(preview, "pbPage"), { 200, 180 });
    mouse::Press(List(), { 20, 50 });
    mouse::Move(List(), { 20, 62 });
    mouse::Move(List(), bodyCell);
    mouse::Release(List(), bodyCell);
    EXPECT_EQ(preview.Colors()[kMainBG], kB);
    EXPECT_EQ(Colors(), (std::vector { kA, kB }));
    EXPECT_EQ(main->SelectedColor(), main->SchemeColors()[0]);
}

TEST_F(FavoritesWindowTest, DragsFromTheListCarryTheSelectedFavorite)
{
    Start();
    Fill({ kA, kB });
    mouse::Press(List(), { 20, 50 });
    EXPECT_EQ(main->Drag().Carried(List()), kB);
    EXPECT_EQ(main->Drag().Carried(Named<PaintBox>(*main, "pbColors1")), main->SelectedColor());
    mouse::Release(List(), { 20, 50 });
    // A list that is gone no longer answers for its drags.
    const QWidget* list = List();
    favs.reset();
    main->SetSelectedColor(kC);
    EXPECT_EQ(main->Drag().Carried(list), kC);
}

TEST_F(FavoritesWindowTest, AWindowGoneBeforeTheCloseIsKeptAtItsDefaultPlace)
{
    Start();
    favs->move(40, 70);
    Control<QToolButton>("tbOnTop")->click();
    KeepToolWindowPlaces(*main, favs.get(), nullptr);
    favs.reset();
    main->close();
    const QRect m = main->frameGeometry();
    IniFile ini(SettingsPath());
    EXPECT_EQ(ini.ReadInteger("Favs", "Left", 0), m.left() + m.width());
    EXPECT_EQ(ini.ReadInteger("Favs", "Top", 0), m.top());
    EXPECT_FALSE(ini.ReadBool("Prefs", "FavOnTop", true));
}

class FavoritesKeysTest : public FavoritesWindowTest {
protected:
    void Focus()
    {
        favs->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(favs.get()));
        List()->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(List()->hasFocus());
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(List(), key, modifiers); }
    bool SelectedRowInView()
    {
        const int top = 42 * Model().FavSelected() - Bar()->value();
        return top >= 0 && top + 42 <= List()->height();
    }
};

// The selection keys move through the rows and scroll each one they reach into view; a reader follows the row.
TEST_F(FavoritesKeysTest, SelectionKeysMoveAndScrollTheSelectedRowIntoView)
{
    Start();
    FillMany(30);
    Focus();
    const int page = List()->height() / 42;
    ASSERT_GE(page, 2);
    const struct {
        Qt::Key key;
        int selected;
    } steps[] = { { Qt::Key_Up, 0 }, { Qt::Key_Down, 1 }, { Qt::Key_End, 29 }, { Qt::Key_Down, 29 },
        { Qt::Key_PageUp, 29 - page }, { Qt::Key_Home, 0 }, { Qt::Key_PageDown, page }, { Qt::Key_PageDown, 2 * page },
        { Qt::Key_Up, 2 * page - 1 } };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        Press(step.key);
        EXPECT_EQ(Model().FavSelected(), step.selected);
        EXPECT_TRUE(SelectedRowInView()) << "scrolled to " << Bar()->value();
        QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(List())->focusChild();
        ASSERT_NE(focused, nullptr);
        EXPECT_TRUE(focused->text(QAccessible::Name).startsWith(QStringLiteral("Favorite %1, #").arg(step.selected + 1)));
    }
    EXPECT_FALSE(main->SchemeModified()) << "selecting changes no scheme";
}

TEST_F(FavoritesKeysTest, EnterDeleteAltArrowsCopyAndTheMenuKeyActOnTheSelectedFavorite)
{
    Start();
    Fill({ kA, kB, kC });
    Model().Select(1);
    Focus();
    const struct {
        Qt::Key key;
        std::vector<ColorValue> colors;
        int selected;
    } moves[] = { { Qt::Key_Up, { kB, kA, kC }, 0 }, { Qt::Key_Up, { kB, kA, kC }, 0 }, { Qt::Key_Down, { kA, kB, kC }, 1 },
        { Qt::Key_Down, { kA, kC, kB }, 2 }, { Qt::Key_Down, { kA, kC, kB }, 2 } };
    for (const auto& move : moves) {
        Press(move.key, Qt::AltModifier);
        EXPECT_EQ(Colors(), move.colors);
        EXPECT_EQ(Model().FavSelected(), move.selected);
    }
    EXPECT_TRUE(main->SchemeModified());

    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(kB)));
    Press(Qt::Key_Return);
    EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), QString::fromStdString(HexText(kB)));

    auto* menu = Control<QMenu>("mnuFavPop");
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), List()->mapToGlobal(QPoint(List()->width() / 2, 2 * 42 + 21)));
    EXPECT_EQ(Named<QAction>(*favs, "mnuFavPopCopyHex1")->text(), QString::fromStdString(HexText(kB)));
    menu->close();

    // The same confirmation as the button.
    folder.Write("tw3.ini", "[Prefs]\nFavDelWarn=1\n");
    desktop.answers = { platform::Answer::No, platform::Answer::Yes };
    Press(Qt::Key_Delete);
    EXPECT_EQ(Colors(), (std::vector { kA, kC, kB }));
    Press(Qt::Key_Delete);
    EXPECT_EQ(Colors(), (std::vector { kA, kC }));
    EXPECT_EQ(desktop.questions, QStringList(2, "Are you sure you want to delete the selected color?"));
}

// The list sits in the window's corner, with no room for the ring above it or left of it: there the ring lies over
// the list's own edge, whole on all four sides while the list has the focus, and gone with it.
TEST_F(FavoritesKeysTest, TheFocusRingIsWholeAtTheWindowsCorner)
{
    Start();
    Fill({ kA, kB });
    Model().Select(1); // the first row, under the ring's top, unselected
    const QImage before = favs->grab().toImage();
    Focus();
    QTest::keyClick(List(), Qt::Key_Control); // a key used on the list: the keyboard is here
    QApplication::processEvents();
    const QImage focused = favs->grab().toImage();
    const QRgb ring = QApplication::palette().color(QPalette::Highlight).rgb();
    const QRect list = List()->geometry();
    ASSERT_EQ(list.topLeft(), QPoint(0, 0));
    const QPoint sides[] = { { 0, list.center().y() }, { 1, list.center().y() }, { list.center().x(), 0 },
        { list.center().x(), 1 }, { list.right() + 2, list.center().y() }, { list.center().x(), list.bottom() + 2 } };
    for (const QPoint at : sides) {
        EXPECT_NE(before.pixel(at), ring) << at.x() << "," << at.y();
        EXPECT_EQ(focused.pixel(at), ring) << at.x() << "," << at.y();
    }
    EXPECT_EQ(focused.pixel(list.center()), before.pixel(list.center()));
    List()->clearFocus();
    QApplication::processEvents();
    EXPECT_EQ(favs->grab().toImage(), before);
}

// Tab goes on from the list to the buttons, Space presses the one with the focus, and Tab comes round to the list.
TEST_F(FavoritesKeysTest, TabReachesTheButtonsAndSpacePressesThem)
{
    Start();
    Fill({ kA, kB });
    Model().Select(1);
    const QImage unfocused = Control<QToolButton>("tbOnTop")->grab().toImage();
    Focus();
    QTest::keyClick(List(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Control<QToolButton>("tbOnTop"));
    EXPECT_NE(Control<QToolButton>("tbOnTop")->grab().toImage(), unfocused) << "the focus does not show";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(favs->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    favs->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(favs.get()));
    Control<QToolButton>("tbOnTop")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), Control<QToolButton>("tbCopy"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(kB)));
    for (const char* next : { "tbFavWebsafe", "tbDelete", "pbFavs" }) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Control<QWidget>(next)) << next;
    }
    Control<QToolButton>("tbOnTop")->click(); // as it was
}

// Ctrl+V is the keyboard's drop: a pasted colour goes after the selected favourite, or at the end of an empty list,
// in any text the copy menus give; other text changes nothing and says why.
TEST_F(FavoritesKeysTest, PastingAddsTheClipboardsColourAfterTheSelectedFavorite)
{
    const struct {
        const char* clipboard;
        std::vector<ColorValue> before;
        int selected;
        std::vector<ColorValue> after;
    } cases[] = {
        { "#336699", { kA, kB }, 0, { kA, Pack(0x33, 0x66, 0x99), kB } },
        { "336699\n", { kA, kB }, 1, { kA, kB, Pack(0x33, 0x66, 0x99) } },
        { "10,20,30", {}, -1, { Pack(10, 20, 30) } },
        { "not a colour", { kA, kB }, 0, { kA, kB } },
        { "#33669", { kA }, 0, { kA } },
    };
    Start();
    Focus();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.clipboard);
        FavColorList list;
        for (ColorValue color : c.before)
            list.push_back(TFavColor::FromColor(color));
        Model().Replace(list);
        if (c.selected >= 0)
            Model().Select(c.selected);
        desktop.messages.clear();
        desktop.clipboardText = QString::fromLatin1(c.clipboard);
        Press(Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(Colors(), c.after);
        const bool added = c.after.size() > c.before.size();
        EXPECT_EQ(desktop.messages.size(), added ? 0 : 1);
        if (added)
            EXPECT_EQ(Model().FavSelected(), c.selected + 1);
        else
            EXPECT_TRUE(desktop.messages.value(0).contains("RRGGBB, #RRGGBB or R,G,B"));
    }
}

TEST_F(FavoritesKeysTest, AddToFavoritesAppendsTheSelectedColourAndShowsIt)
{
    Start();
    FillMany(30);
    auto* entry = Named<QAction>(*main, "mnuPopAddFavorite");
    ASSERT_TRUE(entry->isEnabled());
    main->SetSelectedColor(kC);
    entry->trigger();
    ASSERT_EQ(Model().Count(), 31);
    EXPECT_EQ(Colors().back(), kC);
    EXPECT_EQ(Model().FavSelected(), 30);
    EXPECT_TRUE(SelectedRowInView());
    EXPECT_TRUE(main->SchemeModified());
}

} // namespace

TEST_F(FavoritesWindowTest, ToolTogglesBringAMinimisedWindowBack)
{
    Start();
    TfrmPreview preview(*main);
    preview.show();
    struct Toggle {
        const char* what;
        QWidget* window;
        std::function<void()> use;
        std::function<QString()> caption;
        QString shownCaption;
    };
    const Toggle toggles[] = {
        { "Favorites from the menu", favs.get(), [this] { Named<QAction>(*main, "mnuToolsFavs")->trigger(); },
            [this] { return Named<QAction>(*main, "mnuToolsFavs")->text(); }, "Hide Favorites" },
        { "QuickPreview from the menu", &preview, [this] { Named<QAction>(*main, "mnuToolsPreview")->trigger(); },
            [this] { return Named<QAction>(*main, "mnuToolsPreview")->text(); }, "Hide QuickPreview" },
        { "QuickPreview from its tool button", &preview, [this] { Named<QToolButton>(*main, "tbPreview")->click(); },
            [this] { return Named<QAction>(*main, "mnuToolsPreview")->text(); }, "Hide QuickPreview" },
    };
    for (const Toggle& toggle : toggles) {
        SCOPED_TRACE(toggle.what);
        toggle.window->showMinimized();
        QApplication::processEvents();
        toggle.use();
        QApplication::processEvents();
        EXPECT_TRUE(toggle.window->isVisible());
        EXPECT_FALSE(toggle.window->isMinimized());
        EXPECT_EQ(toggle.caption(), toggle.shownCaption);
        EXPECT_TRUE(Named<QToolButton>(*main, "tbPreview")->isChecked() || toggle.window != &preview);
        // In view again, the next use hides it.
        toggle.use();
        EXPECT_FALSE(toggle.window->isVisible());
        toggle.use();
        EXPECT_TRUE(toggle.window->isVisible());
    }
}

TEST_F(FavoritesWindowTest, HintsShowOverWindowsThatAreNotActive)
{
    Start();
    TfrmPreview preview(*main);
    preview.show();
    struct Hover {
        QWidget* window;
        QWidget* control;
        QString hint;
    };
    const Hover hovers[] = {
        { favs.get(), Control<QToolButton>("tbOnTop"), "Always On Top" },
        { &preview, Named<QToolButton>(preview, "tbReset"), "Reset Colors" },
        { main.get(), Named<QToolButton>(*main, "tbPreview"), "QuickPreview" },
    };
    for (const Hover& hover : hovers) {
        SCOPED_TRACE(hover.hint.toStdString());
        QToolTip::hideText();
        ASSERT_TRUE(WaitUntil([] { return !QToolTip::isVisible(); }, 5000));
        // Another window of the program has the focus.
        QApplication::setActiveWindow(hover.window == main.get() ? static_cast<QWidget*>(favs.get()) : main.get());
        ASSERT_FALSE(hover.window->isActiveWindow());
        // Through the window system, as the pointer's own movement arrives.
        QWindow* surface = hover.window->windowHandle();
        const QPoint middle = hover.control->mapTo(hover.window, hover.control->rect().center());
        QTest::mouseMove(surface, middle);
        QTest::mouseMove(surface, middle + QPoint(1, 0));
        EXPECT_TRUE(WaitUntil([] { return QToolTip::isVisible(); }, 5000));
        EXPECT_EQ(QToolTip::text().toStdString(), hover.hint.toStdString());
    }
    QToolTip::hideText();
}

TEST_F(FavoritesWindowTest, TextsSitOnTheBaselinesOfTheirCells)
{
    // Tahoma at 9 pixels puts its baseline 9 pixels below a text's top; digits end on the row above it.
    LoadApplicationFonts();
    if (QFontInfo(TahomaFont(9)).family() != "Tahoma")
        GTEST_SKIP() << "the Tahoma face (fonts-wine) is not installed";
    Start();
    struct Line {
        const char* what;
        QRect box; // list coordinates, holding one line of text
        int lastInkRow;
    };
    const auto lastInkRow = [this](QRect box) {
        int last = -1;
        for (int y = box.top(); y <= box.bottom(); ++y)
            if (CountInk(QRect(box.left(), y, box.width(), 1), canvas::ButtonFace()) > 0)
                last = y;
        return last;
    };
    Fill({ Pack(255, 128, 0), Pack(10, 20, 30) });
    Model().Select(1);
    const Line rows[] = {
        { "hex line", QRect(43, 9, 50, 12), 9 + 9 - 1 },
        { "decimal line", QRect(43, 21, 50, 12), 21 + 9 - 1 },
    };
    for (const Line& line : rows) {
        SCOPED_TRACE(line.what);
        EXPECT_EQ(lastInkRow(line.box), line.lastInkRow);
    }
}
