#include "platform/KeyboardFocus.h"
#include "platform/PaletteStrip.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

namespace {

// A control shows its focus only when the keyboard brought it or is used on it: what the mouse does looks as it
// always has, and a window left and come back to shows what it showed.
TEST(FocusShowing, ShowsTheFocusTheKeyboardBroughtAndKeepsItAcrossWindowsAndMenus)
{
    QFocusEvent tabIn(QEvent::FocusIn, Qt::TabFocusReason);
    QFocusEvent clickIn(QEvent::FocusIn, Qt::MouseFocusReason);
    QFocusEvent activatedIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QFocusEvent backFromMenu(QEvent::FocusIn, Qt::PopupFocusReason);
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QFocusEvent menuOpened(QEvent::FocusOut, Qt::PopupFocusReason);
    QFocusEvent tabOut(QEvent::FocusOut, Qt::TabFocusReason);
    QKeyEvent keyUsed(QEvent::KeyRelease, Qt::Key_Down, Qt::NoModifier);
    struct Step {
        QEvent* event;
        bool shown;
    };
    const struct {
        const char* what;
        std::vector<Step> steps;
    } cases[] = {
        { "Tab in and out", { { &tabIn, true }, { &tabOut, false }, { &activatedIn, false } } },
        { "a click", { { &clickIn, false }, { &windowLeft, false }, { &activatedIn, false } } },
        { "activated by the window manager, then a key", { { &activatedIn, false }, { &keyUsed, true } } },
        { "another window and back", { { &tabIn, true }, { &windowLeft, false }, { &activatedIn, true } } },
        { "a menu and back", { { &tabIn, true }, { &menuOpened, false }, { &backFromMenu, true } } },
        { "a click after the keyboard", { { &tabIn, true }, { &tabOut, false }, { &clickIn, false } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FocusShowing showing;
        int n = 0;
        for (const Step& step : c.steps) {
            EXPECT_EQ(showing.Follow(step.event), step.shown) << "step " << n++;
        }
    }
}

// F6 makes another window active through the window manager: the control that gets that window's focus shows it,
// once; a later activation by a click does not.
TEST(FocusShowing, AWindowMadeActiveByAKeyShowsItsFocus)
{
    QWidget window;
    auto* control = new QWidget(&window);
    control->setFocusPolicy(Qt::TabFocus);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    control->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), control);
    QFocusEvent activatedIn(QEvent::FocusIn, Qt::ActiveWindowFocusReason);

    MarkKeyboardActivation(&window);
    FocusShowing byKey;
    EXPECT_TRUE(byKey.Follow(&activatedIn));
    FocusShowing byClick;
    EXPECT_FALSE(byClick.Follow(&activatedIn)) << "the mark is for one activation";
    QWidget other;
    MarkKeyboardActivation(&other);
    EXPECT_FALSE(FocusShowing().Follow(&activatedIn)) << "another window was asked for";
}

TEST(PaletteGrid, CellsWalkTheRowsAndColumnsAndHoldAtTheEdges)
{
    const PaletteGrid websafe = PaletteCells(PaletteKind::Websafe);
    EXPECT_EQ(websafe.Count(), 216);
    EXPECT_EQ(websafe.CellPoint(0), QPoint(6, 6));
    EXPECT_EQ(websafe.CellPoint(2 * 36 + 7), QPoint(6 + 7 * 7, 6 + 7 * 2));
    EXPECT_EQ(websafe.CellArea(0), QRect(3, 3, 7, 7));
    const PaletteGrid spectrum = PaletteCells(PaletteKind::Spectrum);
    EXPECT_EQ(spectrum.CellPoint(0), QPoint(3, 3));
    EXPECT_EQ(spectrum.CellPoint(spectrum.Count() - 1), QPoint(kPaletteWidth - 4, kPaletteHeight - 4));
    EXPECT_EQ(PaletteCells(std::nullopt).Count(), 0);

    const struct {
        int from;
        int across;
        int down;
        int to;
    } steps[] = { { 0, -1, 0, 0 }, { 0, 0, -1, 0 }, { 0, 1, 1, 37 }, { 35, 1, 0, 35 }, { 215, 0, 1, 215 },
        { 40, -100, 0, 36 }, { 40, 100, 0, 71 }, { 40, 0, 9, 184 } };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.from);
        EXPECT_EQ(websafe.Step(s.from, s.across, s.down), s.to);
    }
}

} // namespace
