#include "MainFixture.h"
#include "color/Color.h"
#include "support/Controls.h"

#include "support/Mouse.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace {

class KeyboardTest : public MainFixture {
protected:
    void SetUp() override
    {
        window = Start();
        Activate(window.get());
        ui = std::make_unique<MainControls>(*window);
    }

    QWidget* Focused() const { return QApplication::focusWidget(); }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(Focused(), key, modifiers);
    }

    std::unique_ptr<TfrmMain> window;
    std::unique_ptr<MainControls> ui;
};

TEST_F(KeyboardTest, TabReachesTheFieldsThenTheBaseAreaTheSwatchGridAndTheHistory)
{
    EXPECT_EQ(Focused(), ui->txtR) << "the first field has the focus at start, as before, not " << (Focused() ? Focused()->objectName().toStdString() : "nothing");
    const std::vector<QWidget*> chain = { ui->txtG, ui->txtB, ui->txtHex, ui->pbBase, ui->pbColors[0], ui->pbPalette,
        Named<QComboBox>(*window, "cboHistory"), ui->txtR };
    for (QWidget* next : chain) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), next) << next->objectName().toStdString() << " not " << (Focused() ? Focused()->objectName().toStdString() : "nothing");
    }
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), Named<QComboBox>(*window, "cboHistory"));
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), ui->pbPalette);
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), ui->pbColors[0]);
}

TEST_F(KeyboardTest, ArrowKeysMoveThroughTheGridAsItStandsAndTabReturnsToTheLastSwatch)
{
    ui->pbColors[0]->setFocus(Qt::TabFocusReason);
    // From the top-left corner: right along the top row, down the right column, left along the bottom.
    const struct {
        Qt::Key key;
        int swatch;
    } moves[] = { { Qt::Key_Left, 1 }, { Qt::Key_Up, 1 }, { Qt::Key_Right, 2 }, { Qt::Key_Down, 13 },
        { Qt::Key_Down, 16 }, { Qt::Key_Right, 15 }, { Qt::Key_Right, 6 }, { Qt::Key_Right, 6 }, { Qt::Key_Down, 7 },
        { Qt::Key_Left, 8 }, { Qt::Key_Up, 15 } };
    for (const auto& move : moves) {
        Press(move.key);
        EXPECT_EQ(Focused(), ui->pbColors[move.swatch - 1]) << "to swatch " << move.swatch;
    }
    ui->txtHex->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    EXPECT_EQ(Focused(), ui->pbColors[14]) << "the grid is one stop, at the swatch left last";
}

TEST_F(KeyboardTest, EnterSpaceTheMenuKeyAndCopyActOnTheFocusedSwatch)
{
    window->SetBaseColor(Pack(0x33, 0x66, 0x99));
    const SchemeColorArray scheme = window->SchemeColors();
    ui->pbColors[2]->setFocus(Qt::TabFocusReason);

    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(scheme[2])));
    EXPECT_EQ(window->BaseColor(), Pack(0x33, 0x66, 0x99)) << "copying chooses nothing";

    auto* menu = Named<QMenu>(*window, "mnuColorPop");
    Press(Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), ui->pbColors[2]->mapToGlobal(ui->pbColors[2]->rect().center()));
    menu->close();
    EXPECT_EQ(window->SelectedColor(), scheme[2]);

    Press(Qt::Key_Return);
    EXPECT_EQ(window->SchemeColors()[0], scheme[2]);
    EXPECT_EQ(window->HistoryCount(), 3);
    ui->pbColors[4]->setFocus(Qt::TabFocusReason);
    const ColorValue fifth = window->SchemeColors()[4];
    Press(Qt::Key_Space);
    EXPECT_EQ(window->SchemeColors()[0], fifth);

    ui->pbBase->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(fifth)));
}

// The ring of a focused area lies outside the area's pixels: the area looks the same with or without the focus, and
// the window looks as it always did once the focus has left.
TEST_F(KeyboardTest, TheFocusRingLeavesTheAreasOwnPixelsAlone)
{
    // The base area, the top row of swatches and what lies round them; the fields below (with their caret) aside.
    QWidget* client = ui->pbBase->parentWidget();
    const QRect band(0, 28, client->width(), 64);
    auto look = [&] { return client->grab(band).toImage(); };
    const QImage before = look();
    const QRgb ring = QApplication::palette().color(QPalette::Highlight).rgb();
    for (PaintBox* area : { ui->pbBase, ui->pbColors[0] }) {
        SCOPED_TRACE(area->objectName().toStdString());
        const QImage own = area->grab().toImage();
        area->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(area->grab().toImage(), own);
        const QImage focused = look();
        const QRect frame = area->geometry().translated(-band.topLeft());
        const int y = frame.center().y();
        EXPECT_EQ(focused.pixel(frame.left() - 2, y), ring);
        EXPECT_EQ(focused.pixel(frame.right() + 3, y), ring);
        EXPECT_EQ(focused.pixel(frame.left() - 1, y), before.pixel(frame.left() - 1, y)) << "a one-pixel gap";
        EXPECT_EQ(focused.pixel(frame.left() - 4, y), before.pixel(frame.left() - 4, y));
        ui->txtR->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
        EXPECT_EQ(look(), before);
    }
}

// The websafe strip is walked cell by cell in its rows and columns: the keys pick, copy and open the menu for the
// cell the keyboard is on, as a press there would.
TEST_F(KeyboardTest, ArrowKeysWalkThePaletteCellsAndEnterPicksTheCellAsAPressDoes)
{
    ui->pbPalette->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        ColorValue copied; // Ctrl+C after the key
    } walk[] = {
        { Qt::Key_Up, Pack(0, 0, 0) }, // held at the edge
        { Qt::Key_Left, Pack(0, 0, 0) },
        { Qt::Key_Right, Pack(0, 0, 51) },
        { Qt::Key_Down, Pack(51, 0, 51) },
        { Qt::Key_End, Pack(51, 255, 255) },
        { Qt::Key_Right, Pack(51, 255, 255) },
        { Qt::Key_Home, Pack(51, 0, 0) },
    };
    for (const auto& step : walk) {
        Press(step.key);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(step.copied))) << "after key " << step.key;
    }
    EXPECT_EQ(window->SchemeColors()[0], Pack(255, 0, 0)) << "moving and copying choose nothing";

    // Row 2, column 7.
    Press(Qt::Key_Down);
    for (int i = 0; i < 7; ++i)
        Press(Qt::Key_Right);
    Press(Qt::Key_Return);
    EXPECT_EQ(window->SchemeColors()[0], Pack(102, 51, 51));
    EXPECT_EQ(window->HistoryCount(), 2);
    Press(Qt::Key_Left);
    Press(Qt::Key_Space);
    EXPECT_EQ(window->SchemeColors()[0], Pack(102, 51, 0));

    auto* menu = Named<QMenu>(*window, "mnuColorPop");
    Press(Qt::Key_Right);
    Press(Qt::Key_Menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(menu->pos(), ui->pbPalette->mapToGlobal(QPoint(6 + 7 * 7, 6 + 7 * 2)));
    menu->close();
    EXPECT_EQ(window->SelectedColor(), Pack(102, 51, 51));
}

// On a spectrum every pixel column and row inside the outline is a step, and a press with the mouse puts the
// keyboard where it picked.
TEST_F(KeyboardTest, SpectrumPixelsAreStepsAndThePointerSetsTheKeyboardsCell)
{
    for (const PaletteKind kind : { PaletteKind::Spectrum, PaletteKind::WebsafeSpectrum }) {
        SCOPED_TRACE(static_cast<int>(kind));
        window->RebuildPalette(kind);
        ui->pbPalette->setFocus(Qt::TabFocusReason);
        mouse::Press(ui->pbPalette, { 100, 20 });
        mouse::Release(ui->pbPalette, { 100, 20 });
        const ColorValue picked = window->SchemeColors()[0];
        EXPECT_EQ(picked, Pixel(ui->pbPalette, { 100, 20 }));
        Press(Qt::Key_Right);
        Press(Qt::Key_Down);
        Press(Qt::Key_Return);
        EXPECT_EQ(window->SchemeColors()[0], Pixel(ui->pbPalette, { 101, 21 }));
        Press(Qt::Key_Home);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(Pixel(ui->pbPalette, { 3, 21 }))));
        // Held inside the outline, which no key reaches.
        for (int i = 0; i < 60; ++i)
            Press(Qt::Key_Down);
        Press(Qt::Key_Left);
        Press(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(Pixel(ui->pbPalette, { 3, 43 }))));
        EXPECT_NE(Pixel(ui->pbPalette, { 3, 43 }), Pack(0, 0, 0));
    }
}

// The mark round the keyboard's cell lies over the strip only while it has the focus: the strip's picture never
// holds it, and the window looks as before once the focus has gone.
TEST_F(KeyboardTest, ThePaletteCellMarkShowsOnlyWithTheFocus)
{
    QWidget* client = ui->pbPalette->parentWidget();
    const QRect around = ui->pbPalette->geometry().adjusted(-3, -3, 3, 3);
    const QImage before = client->grab(around).toImage();
    const QImage strip = ui->pbPalette->Surface();
    ui->pbPalette->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Right);
    QApplication::processEvents();
    const QImage focused = ui->pbPalette->grab().toImage();
    const QPoint cell(13, 6);
    EXPECT_EQ(focused.pixel(cell), ui->pbPalette->PixelAt(cell)) << "the cell itself shows through";
    EXPECT_NE(focused.pixel(cell + QPoint(5, 0)), ui->pbPalette->PixelAt(cell + QPoint(5, 0))) << "the ring beside it";
    EXPECT_EQ(ui->pbPalette->Surface(), strip);
    ui->txtR->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(client->grab(around).toImage(), before);
}

TEST_F(KeyboardTest, AddToFavoritesWaitsForTheWindowThatCarriesItOut)
{
    auto* entry = Named<QAction>(*window, "mnuPopAddFavorite");
    EXPECT_EQ(entry->text(), "Add to &Favorites");
    EXPECT_TRUE(Named<QMenu>(*window, "mnuColorPop")->actions().contains(entry));
    EXPECT_FALSE(entry->isEnabled());
    EXPECT_EQ(window->Command(MainCommand::AddToFavorites), entry);
}

} // namespace
