#include "MainFixture.h"
#include "color/Color.h"
#include "support/Controls.h"

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
    const std::vector<QWidget*> chain = { ui->txtG, ui->txtB, ui->txtHex, ui->pbBase, ui->pbColors[0],
        Named<QComboBox>(*window, "cboHistory"), ui->txtR };
    for (QWidget* next : chain) {
        Press(Qt::Key_Tab);
        EXPECT_EQ(Focused(), next) << next->objectName().toStdString() << " not " << (Focused() ? Focused()->objectName().toStdString() : "nothing");
    }
    Press(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), Named<QComboBox>(*window, "cboHistory"));
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

} // namespace
