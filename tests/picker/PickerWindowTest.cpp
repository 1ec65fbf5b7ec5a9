#include "main/TfrmMain.h"
#include "picker/ScreenPicker.h"
#include "platform/PaintBox.h"
#include "preview/TfrmPreview.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QRgb Sample(int x, int y) { return qRgb(x & 0xFF, y & 0xFF, (x * 7 + y * 13) & 0xFF); }

QImage TestPhoto(QSize size, int shift = 0)
{
    QImage photo(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            photo.setPixel(x, y, Sample(x + shift, y));
    }
    return photo;
}

ColorValue ValueOf(QRgb pixel) { return Pack(qRed(pixel), qGreen(pixel), qBlue(pixel)); }

bool WaitUntil(const std::function<bool()>& condition, int milliseconds = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

class PickerTest : public ::testing::Test {
protected:
    PickerTest()
    {
        desktop.photo = { TestPhoto({ 400, 300 }), QRect(0, 0, 400, 300) };
        main = std::make_unique<TfrmMain>();
        picker = std::make_unique<ScreenPicker>(*main);
        main->show();
        favorites.show();
        QCursor::setPos(200, 150);
    }

    // The main window's picker command, as the menu and the tool button run it.
    void StartPicker() { Named<QAction>(*main, "mnuToolsPicker")->trigger(); }

    void Open()
    {
        StartPicker();
        ASSERT_TRUE(WaitUntil([this] { return picker->isVisible(); })) << "the picker did not open";
    }

    // A press delivered where the window system would: to the topmost control at that point of the picker.
    void PressAt(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* target = picker->childAt(pos);
        ASSERT_NE(target, nullptr);
        mouse::Press(target, target->mapFrom(picker.get(), pos), button);
    }

    // The picker's controls, found by their object names.
    PaintBox* Photograph() const { return Named<PaintBox>(*picker, "imgDesktop"); }
    PaintBox* Panel() const { return Named<PaintBox>(*picker, "pnlColor"); }
    PaintBox* Lens() const { return Named<PaintBox>(*picker, "imgZoom"); }
    PaintBox* ColorBox() const { return Named<PaintBox>(*picker, "imgColor"); }
    QTimer* LensTimer() const { return Named<QTimer>(*picker, "tmrZoom"); }

    QRgb LensPixel(QPoint at) const { return Lens()->PixelAt(at); }
    QRgb ColorBoxPixel() const { return ColorBox()->PixelAt({ 50, 20 }); }

    TestFolder folder;
    ScriptedPlatform desktop;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<ScreenPicker> picker;
    QWidget favorites;
    QWidget preview;
};

// Records what was on screen when the desktop was photographed.
class WatchedCapture final : public platform::ScreenCapture {
public:
    explicit WatchedCapture(std::function<void()> watch, platform::DesktopPhoto photo, int vanishMilliseconds = 150)
        : m_watch(std::move(watch))
        , m_photo(std::move(photo))
        , m_vanishMilliseconds(vanishMilliseconds)
    {
    }
    int VanishMilliseconds() override { return m_vanishMilliseconds; }
    void CaptureVirtualDesktop(QObject*, std::function<void(platform::CaptureResult)> done) override
    {
        m_watch();
        done(m_photo);
    }

private:
    std::function<void()> m_watch;
    platform::DesktopPhoto m_photo;
    int m_vanishMilliseconds;
};

TEST_F(PickerTest, StartsHiddenAndOpensFromItsCommandsOnly)
{
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(LensTimer()->isActive());
    EXPECT_TRUE(picker->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(Named<QToolButton>(*main, "tbPicker")->isEnabled());
    EXPECT_TRUE(Named<QAction>(*main, "mnuToolsPicker")->isEnabled());

    Named<QToolButton>(*main, "tbPicker")->click();
    ASSERT_TRUE(WaitUntil([this] { return picker->isVisible(); }));
    mouse::Press(Photograph(), { 300, 200 });
    EXPECT_FALSE(picker->isVisible());

    Named<QAction>(*main, "mnuToolsPicker")->trigger();
    ASSERT_TRUE(WaitUntil([this] { return picker->isVisible(); }));
}

TEST_F(PickerTest, PhotographIsTakenOnceTheProgramsWindowsAreGone)
{
    picker->SetToolWindows(&favorites, &preview);
    preview.show();
    bool mainVisible = true;
    bool toolsVisible = true;
    QElapsedTimer clock;
    qint64 capturedAfter = -1;
    WatchedCapture capture(
        [&] {
            mainVisible = main->isVisible();
            toolsVisible = favorites.isVisible() || preview.isVisible();
            capturedAfter = clock.elapsed();
        },
        desktop.photo);
    platform::ServicesOverride useCapture({ .screen = &capture });

    clock.start();
    StartPicker();
    EXPECT_FALSE(main->isVisible());
    EXPECT_FALSE(picker->isVisible());
    ASSERT_TRUE(WaitUntil([this] { return picker->isVisible(); }));
    EXPECT_FALSE(mainVisible);
    EXPECT_FALSE(toolsVisible);
    EXPECT_GE(capturedAfter, 150);
}

TEST_F(PickerTest, ShowsThePhotographOverTheDesktopWithThePanelInItsCorner)
{
    Open();
    EXPECT_EQ(picker->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(Photograph()->geometry(), QRect(0, 0, 400, 300));
    EXPECT_EQ(Photograph()->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(Panel()->geometry(), QRect(8, 8, 113, 113));
    EXPECT_EQ(Lens()->geometry(), QRect(2, 2, 109, 67));
    EXPECT_EQ(ColorBox()->geometry(), QRect(2, 72, 109, 39));
    EXPECT_TRUE(LensTimer()->isActive());
    EXPECT_EQ(LensTimer()->interval(), 3);

    // On screen: the photograph 1:1 around the panel, the lens and colour box inside their outlines.
    const QImage screen = picker->grab().toImage();
    EXPECT_EQ(screen.pixel(300, 200), Sample(300, 200));
    EXPECT_EQ(screen.pixel(7, 150), Sample(7, 150));
    EXPECT_EQ(screen.pixel(8 + 2 + 54, 8 + 2 + 33), Sample(200, 150));
    EXPECT_EQ(screen.pixel(8 + 50, 8 + 90), Sample(200, 150));
    EXPECT_EQ(screen.pixel(8 + 1, 8 + 1), qRgb(255, 255, 255));
    EXPECT_EQ(screen.pixel(8 + 50, 8 + 69), qRgb(255, 255, 255));
}

TEST_F(PickerTest, LensAndColourBoxFollowThePointer)
{
    Open();
    QCursor::setPos(250, 180);
    picker->RefreshLens();
    EXPECT_EQ(LensPixel({ 54, 33 }), Sample(250, 180));
    EXPECT_EQ(LensPixel({ 0, 0 }), Sample(246, 178));
    EXPECT_EQ(LensPixel({ 108, 66 }), Sample(254, 182));
    EXPECT_EQ(LensPixel({ 50, 33 }), qRgb(255 - 250, 255 - 180, 255 - ((250 * 7 + 180 * 13) & 0xFF)));
    EXPECT_EQ(ColorBoxPixel(), Sample(250, 180));

    // The timer alone keeps up with a moving pointer.
    QCursor::setPos(398, 298);
    ASSERT_TRUE(WaitUntil([this] { return ColorBoxPixel() == Sample(398, 298); }, 500));
    EXPECT_EQ(LensPixel({ 54, 33 }), Sample(398, 298));
    EXPECT_EQ(LensPixel({ 108, 66 }), qRgb(0, 0, 0));
}

TEST_F(PickerTest, PanelDodgesThePointerBetweenTheTopCorners)
{
    Open();
    const QRgb lensBefore = LensPixel({ 54, 33 });
    QCursor::setPos(20, 20);
    picker->RefreshLens();
    EXPECT_EQ(Panel()->pos(), QPoint(400 - 121, 8));
    EXPECT_EQ(LensPixel({ 54, 33 }), lensBefore) << "the tick that moves the panel leaves the lens alone";
    picker->RefreshLens();
    EXPECT_EQ(LensPixel({ 54, 33 }), Sample(20, 20));

    QCursor::setPos(390, 100);
    picker->RefreshLens();
    EXPECT_EQ(Panel()->pos(), QPoint(8, 8));

    // The panel keeps its corner from one opening to the next.
    QCursor::setPos(60, 60);
    picker->RefreshLens();
    PressKey(picker.get(), Qt::Key_Escape);
    Open();
    EXPECT_EQ(Panel()->pos(), QPoint(400 - 121, 8));
}

TEST_F(PickerTest, DesktopWithANegativeLeftEdge)
{
    desktop.photo = { TestPhoto({ 700, 300 }), QRect(-300, -40, 700, 300) };
    QCursor::setPos(100, 100);
    Open();
    EXPECT_EQ(picker->geometry(), QRect(-300, -40, 700, 300));

    // Panel positions are the window's own: the right corner comes from the desktop width alone.
    QCursor::setPos(-290, -30);
    picker->RefreshLens();
    EXPECT_EQ(Panel()->pos(), QPoint(700 - 121, 8));
    QCursor::setPos(-300 + 600, -40 + 20);
    picker->RefreshLens();
    EXPECT_EQ(Panel()->pos(), QPoint(8, 8));

    QCursor::setPos(0, 0);
    picker->RefreshLens();
    EXPECT_EQ(LensPixel({ 54, 33 }), Sample(300, 40));
    EXPECT_EQ(ColorBoxPixel(), Sample(300, 40));

    PressAt({ 300, 40 }, Qt::RightButton);
    EXPECT_EQ(main->BaseColor(), ValueOf(Sample(300, 40)));
}

TEST_F(PickerTest, AnyButtonPicksThePhotographsPixel)
{
    struct Case {
        Qt::MouseButton button;
        QPoint at;
    };
    for (const Case& c : { Case { Qt::LeftButton, { 300, 200 } }, Case { Qt::RightButton, { 150, 250 } },
             Case { Qt::MiddleButton, { 399, 299 } } }) {
        Open();
        const int historyBefore = main->HistoryCount();
        PressAt(c.at, c.button);
        EXPECT_FALSE(picker->isVisible()) << c.button;
        EXPECT_FALSE(LensTimer()->isActive()) << c.button;
        EXPECT_TRUE(main->isVisible()) << c.button;
        EXPECT_EQ(main->BaseColor(), ValueOf(Sample(c.at.x(), c.at.y()))) << c.button;
        EXPECT_EQ(Named<QLineEdit>(*main, "txtHex")->text(), QString::fromStdString(HexText(main->BaseColor())))
            << c.button;
        EXPECT_EQ(main->HistoryCount(), historyBefore + 1) << c.button;
    }
}

TEST_F(PickerTest, PressOnThePanelPicksNothing)
{
    Open();
    const ColorValue before = main->BaseColor();
    for (QPoint at : { QPoint(8, 8), QPoint(60, 40), QPoint(60, 100), QPoint(60, 78) }) {
        PressAt(at, Qt::LeftButton);
        EXPECT_TRUE(picker->isVisible()) << at.x() << "," << at.y();
    }
    EXPECT_EQ(main->BaseColor(), before);
    EXPECT_FALSE(main->isVisible());
}

TEST_F(PickerTest, PickReadsThePhotographNotTheLaterScreen)
{
    Open();
    desktop.photo = { TestPhoto({ 400, 300 }, 40), QRect(0, 0, 400, 300) };
    PressAt({ 100, 200 });
    EXPECT_EQ(main->BaseColor(), ValueOf(Sample(100, 200)));

    // The next opening photographs the desktop afresh.
    Open();
    PressAt({ 100, 200 });
    EXPECT_EQ(main->BaseColor(), ValueOf(Sample(140, 200)));
}

TEST_F(PickerTest, ToolWindowsComeBackAsTheToolsMenuSays)
{
    picker->SetToolWindows(&favorites, &preview);
    // As at start-up: Favorites shown, QuickPreview hidden.
    ASSERT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Hide Favorites");
    ASSERT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Show QuickPreview");
    Open();
    EXPECT_FALSE(favorites.isVisible());
    PressAt({ 200, 200 });
    EXPECT_TRUE(favorites.isVisible());
    EXPECT_FALSE(preview.isVisible());

    Named<QAction>(*main, "mnuToolsFavs")->setChecked(false);
    Named<QAction>(*main, "mnuToolsPreview")->setChecked(true);
    ASSERT_EQ(Named<QAction>(*main, "mnuToolsFavs")->text(), "Show Favorites");
    ASSERT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Hide QuickPreview");
    Open();
    PressAt({ 200, 200 }, Qt::RightButton);
    EXPECT_FALSE(favorites.isVisible());
    EXPECT_TRUE(preview.isVisible());
}

TEST_F(PickerTest, RealQuickPreviewComesBackOnlyWhenItWasShown)
{
    TfrmPreview realPreview(*main);
    picker->SetToolWindows(&favorites, &realPreview);
    Named<QAction>(*main, "mnuToolsPreview")->trigger();
    ASSERT_TRUE(realPreview.isVisible());
    Open();
    EXPECT_FALSE(realPreview.isVisible());
    PressAt({ 200, 200 });
    EXPECT_TRUE(realPreview.isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Hide QuickPreview");

    Named<QAction>(*main, "mnuToolsPreview")->trigger();
    Open();
    PressAt({ 200, 200 });
    EXPECT_FALSE(realPreview.isVisible());
    EXPECT_EQ(Named<QAction>(*main, "mnuToolsPreview")->text(), "Show QuickPreview");
}

TEST_F(PickerTest, EscLeavesWithoutPicking)
{
    picker->SetToolWindows(&favorites, &preview);
    const ColorValue before = main->BaseColor();
    const int historyBefore = main->HistoryCount();
    Open();
    PressKey(picker.get(), Qt::Key_A);
    EXPECT_TRUE(picker->isVisible());
    PressKey(picker.get(), Qt::Key_Escape);
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(LensTimer()->isActive());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(favorites.isVisible());
    EXPECT_FALSE(preview.isVisible());
    EXPECT_EQ(main->BaseColor(), before);
    EXPECT_EQ(main->HistoryCount(), historyBefore);
}

// The keyboard aims as the mouse does: each arrow moves the pointer and the lens a pixel, ten with Shift, held on the
// desktop; Enter and Space pick the pixel under the pointer exactly as a press there.
TEST_F(PickerTest, ArrowKeysMoveThePointerAndEnterOrSpacePicksThePixelUnderIt)
{
    const struct {
        QPoint start;
        std::vector<std::pair<int, Qt::KeyboardModifiers>> keys;
        QPoint end;
        int pick;
    } cases[] = {
        { { 200, 150 }, { { Qt::Key_Right, Qt::NoModifier }, { Qt::Key_Down, Qt::ShiftModifier } }, { 201, 160 },
            Qt::Key_Return },
        { { 150, 200 }, { { Qt::Key_Left, Qt::ShiftModifier }, { Qt::Key_Up, Qt::NoModifier } }, { 140, 199 },
            Qt::Key_Space },
        { { 395, 296 }, { { Qt::Key_Right, Qt::ShiftModifier }, { Qt::Key_Down, Qt::ShiftModifier } }, { 399, 299 },
            Qt::Key_Enter },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pick);
        QCursor::setPos(c.start);
        Open();
        picker->RefreshLens();
        const int historyBefore = main->HistoryCount();
        for (const auto& [key, modifiers] : c.keys)
            PressKey(picker.get(), key, modifiers);
        EXPECT_EQ(QCursor::pos(), c.end);
        EXPECT_EQ(ColorBoxPixel(), Sample(c.end.x(), c.end.y())) << "the lens follows at once";
        EXPECT_TRUE(picker->isVisible());
        PressKey(picker.get(), c.pick);
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(main->BaseColor(), ValueOf(Sample(c.end.x(), c.end.y())));
        EXPECT_EQ(main->HistoryCount(), historyBefore + 1);
    }
}

TEST_F(PickerTest, FailedCaptureSaysSoAndBringsTheWindowsBack)
{
    picker->SetToolWindows(&favorites, &preview);
    desktop.photo = {};
    StartPicker();
    ASSERT_TRUE(WaitUntil([this] { return !desktop.messages.isEmpty(); }));
    EXPECT_EQ(desktop.messages, QStringList { "The screen could not be captured." });
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(LensTimer()->isActive());
    EXPECT_TRUE(main->isVisible());
    EXPECT_TRUE(favorites.isVisible());
}

// The photograph of a scaled desktop is in device pixels, the picker window in logical ones.
TEST_F(PickerTest, ScaledDesktopLensAndPickReadTheDevicePixelUnderThePointer)
{
    struct Case {
        const char* name;
        QSize photo;
    };
    for (const Case& c : { Case { "scale 1", { 400, 300 } }, Case { "scale 2", { 800, 600 } },
             Case { "scale 1.5", { 600, 449 } } }) {
        SCOPED_TRACE(c.name);
        const double sx = c.photo.width() / 400.0;
        const double sy = c.photo.height() / 300.0;
        const auto device = [&](double x, double y) { return Sample(int(x * sx), int(y * sy)); };
        desktop.photo = { TestPhoto(c.photo), QRect(0, 0, 400, 300) };
        Open();
        EXPECT_EQ(picker->geometry(), QRect(0, 0, 400, 300));
        EXPECT_EQ(Photograph()->geometry(), QRect(0, 0, 400, 300));

        QCursor::setPos(251, 181);
        picker->RefreshLens();
        const int px = int(251 * sx);
        const int py = int(181 * sy);
        EXPECT_EQ(LensPixel({ 54, 33 }), Sample(px, py));
        EXPECT_EQ(ColorBoxPixel(), Sample(px, py));
        // The lens magnifies device pixels: its corners are the fourth to either side and the second above and below.
        EXPECT_EQ(LensPixel({ 0, 0 }), Sample(px - 4, py - 2));
        EXPECT_EQ(LensPixel({ 108, 66 }), Sample(px + 4, py + 2));

        // The toolkit rounds the pointer to logical pixels for widgets; a move over the picker's window tells it to a
        // fraction.
        QCursor::setPos(201, 161);
        QMouseEvent move(QEvent::MouseMove, QPointF(200.5, 160.5), QPointF(200.5, 160.5), QPointF(200.5, 160.5),
            Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(picker->windowHandle(), &move);
        picker->RefreshLens();
        EXPECT_EQ(LensPixel({ 54, 33 }), device(200.5, 160.5));
        // Once the pointer has gone on without a move seen here, the toolkit's position counts again.
        QCursor::setPos(300, 200);
        picker->RefreshLens();
        EXPECT_EQ(LensPixel({ 54, 33 }), device(300, 200));

        QMouseEvent press(QEvent::MouseButtonPress, QPointF(150.5, 220.5), QPointF(150.5, 220.5),
            QPointF(150.5, 220.5), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(Photograph(), &press);
        EXPECT_FALSE(picker->isVisible());
        EXPECT_EQ(main->BaseColor(), ValueOf(device(150.5, 220.5)));
    }
}

TEST_F(PickerTest, CaptureThatGivesNoPhotograph)
{
    picker->SetToolWindows(&favorites, &preview);
    struct Case {
        const char* name;
        platform::CaptureResult result;
        std::optional<QRgb> picked;
        QStringList messages;
    };
    const Case cases[] = {
        { "a colour picked on the desktop", platform::PickedPixel { qRgb(0x12, 0x34, 0x56) }, qRgb(0x12, 0x34, 0x56),
            {} },
        { "cancelled", platform::CaptureCancelled {}, std::nullopt, {} },
        { "failed", platform::CaptureFailed { "No screenshot today." }, std::nullopt, { "No screenshot today." } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.messages.clear();
        desktop.captureResult = c.result;
        const ColorValue before = main->BaseColor();
        const int historyBefore = main->HistoryCount();
        StartPicker();
        ASSERT_TRUE(WaitUntil([this] { return main->isVisible(); }));
        EXPECT_FALSE(picker->isVisible());
        EXPECT_FALSE(LensTimer()->isActive());
        EXPECT_TRUE(favorites.isVisible());
        EXPECT_FALSE(preview.isVisible());
        EXPECT_EQ(desktop.messages, c.messages);
        EXPECT_EQ(main->BaseColor(), c.picked ? ValueOf(*c.picked) : before);
        EXPECT_EQ(main->HistoryCount(), historyBefore + (c.picked ? 1 : 0));
    }
}

TEST_F(PickerTest, WaitsAsLongAsTheCaptureSaysWindowsTakeToVanish)
{
    for (int vanish : { 20, 400 }) {
        QElapsedTimer clock;
        qint64 capturedAfter = -1;
        WatchedCapture capture([&] { capturedAfter = clock.elapsed(); }, desktop.photo, vanish);
        platform::ServicesOverride useCapture({ .screen = &capture });
        clock.start();
        Open();
        EXPECT_GE(capturedAfter, vanish);
        PressKey(picker.get(), Qt::Key_Escape);
    }
}

} // namespace

// Run again on a screen of ratio 2 (ctest's picker_dpr2): the photograph of a dense screen has its device pixels.
TEST_F(PickerTest, PhotographIsShownInTheScreensOwnDevicePixels)
{
    const qreal ratio = picker->devicePixelRatioF();
    const QSize device = QSize(400, 300) * ratio;
    desktop.photo = { TestPhoto(device), QRect(0, 0, 400, 300) };
    Open();
    const QImage shown = Photograph()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), device);
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            ASSERT_EQ(shown.pixel(x, y), Sample(x, y)) << "device pixel " << x << "," << y;

    // The lens, drawn at the screen's detail too, shows the same device pixel that a press picks.
    QMouseEvent move(QEvent::MouseMove, QPointF(200.5, 160.5), QPointF(200.5, 160.5), QPointF(200.5, 160.5),
        Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCursor::setPos(201, 161);
    QApplication::sendEvent(picker->windowHandle(), &move);
    picker->RefreshLens();
    const QPoint pixel(int(200.5 * ratio), int(160.5 * ratio));
    EXPECT_EQ(Lens()->Surface().devicePixelRatio(), ratio);
    for (const QPoint at : { QPoint(49, 27), QPoint(54, 33), QPoint(60, 40) })
        EXPECT_EQ(LensPixel(at), Sample(pixel.x(), pixel.y()));
    EXPECT_EQ(ColorBoxPixel(), Sample(pixel.x(), pixel.y()));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(200.5, 160.5), QPointF(200.5, 160.5), QPointF(200.5, 160.5),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(Photograph(), &press);
    EXPECT_EQ(main->BaseColor(), ValueOf(Sample(pixel.x(), pixel.y())));
}
