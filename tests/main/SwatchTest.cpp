#include "MainFixture.h"
#include "main/ColorDrag.h"
#include "platform/DragManager.h"
#include "support/Controls.h"
#include "support/Mouse.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

class SwatchTest : public MainFixture {
protected:
    static QAction* Entry(TfrmMain* w, const char* name) { return w->findChild<QAction*>(QString::fromLatin1(name)); }

    // Opens a copy submenu and reads what each entry shows and what it puts on the clipboard.
    std::vector<std::pair<QString, QString>> CopyMenu(TfrmMain* w, QMenu* menu, std::array<const char*, 3> names)
    {
        OpenAndClose(menu);
        std::vector<std::pair<QString, QString>> entries;
        for (const char* name : names) {
            QAction* entry = Entry(w, name);
            entry->trigger();
            entries.emplace_back(entry->iconText(), desktop.clipboardText);
        }
        return entries;
    }
};

using Entries = std::vector<std::pair<QString, QString>>;

TEST_F(SwatchTest, AClickAdoptsTheSwatchColour)
{
    auto w = Start();
    const MainControls ui(*w);
    const ColorValue fifth = w->SchemeColors()[4];
    mouse::Click(ui.pbColors[4], { 10, 10 });
    EXPECT_EQ(w->SchemeColors()[0], fifth);
    EXPECT_EQ(w->SelectedColor(), fifth);
    EXPECT_FALSE(w->Drag().Armed());
    EXPECT_EQ(w->HistoryCount(), 2);

    mouse::Click(ui.pbColors[0], { 10, 10 }); // the base colour itself
    mouse::Click(ui.pbBase, { 10, 10 });
    mouse::Click(ui.pbColors[6], { 10, 10 }, Qt::MiddleButton); // only the left button clicks
    EXPECT_EQ(w->HistoryCount(), 2);
    EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[6]); // the press still selects
}

TEST_F(SwatchTest, AReleaseWhileThePrimaryButtonIsHeldAdoptsNothing)
{
    auto w = Start();
    const MainControls ui(*w);
    desktop.primaryButtonDown = true;
    mouse::Click(ui.pbColors[4], { 10, 10 });
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0));
    EXPECT_FALSE(w->Drag().Armed());
}

TEST_F(SwatchTest, AnyMovementMakesADragAndNoClick)
{
    auto w = Start();
    const MainControls ui(*w);
    QSignalSpy ended(&w->Drag(), &ColorDrag::ended);
    mouse::Press(ui.pbColors[4], { 10, 10 });
    EXPECT_TRUE(w->Drag().Armed());
    EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[4]);
    mouse::Move(ui.pbColors[4], { 13, 10 });
    EXPECT_FALSE(w->Drag().Armed());
    EXPECT_TRUE(DragManager::Instance().IsPending());
    mouse::Release(ui.pbColors[4], { 13, 10 });
    EXPECT_FALSE(DragManager::Instance().IsPending());
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0));
    EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[0]);
    EXPECT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(ended.count(), 1);
}

struct Receiver final : DropTarget {
    TfrmMain* main = nullptr;
    QWidget* source = nullptr;
    std::optional<ColorValue> dropped;
    bool DragOver(QWidget*, QPoint) override { return true; }
    void DragDrop(QWidget* from, QPoint) override
    {
        source = from;
        dropped = main->Drag().Carried(from);
    }
};

TEST_F(SwatchTest, ADragDeliversTheSwatchColourToAReceiverInAnotherWindow)
{
    auto w = Start();
    const MainControls ui(*w);
    QWidget other;
    other.setGeometry(600, 100, 200, 200);
    auto* target = new QWidget(&other);
    target->setGeometry(50, 50, 100, 100);
    Receiver receiver;
    receiver.main = w.get();
    DragManager::Instance().RegisterTarget(target, &receiver);
    other.show();

    PaintBox* swatch = ui.pbColors[8];
    const ColorValue ninth = w->SchemeColors()[8];
    const QPoint overTarget = swatch->mapFromGlobal(target->mapToGlobal(QPoint(30, 30)));
    mouse::Press(swatch, { 10, 10 });
    mouse::Move(swatch, { 11, 10 });
    mouse::Move(swatch, overTarget);
    EXPECT_TRUE(DragManager::Instance().IsActive());
    mouse::Release(swatch, overTarget);

    ASSERT_TRUE(receiver.dropped);
    EXPECT_EQ(*receiver.dropped, ninth);
    EXPECT_EQ(receiver.source, swatch);
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0)); // the source keeps its scheme
    EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[0]);
}

TEST_F(SwatchTest, TheThresholdCountsFromTheFirstMovement)
{
    auto w = Start();
    const MainControls ui(*w);
    PaintBox* swatch = ui.pbColors[1];
    mouse::Press(swatch, { 5, 5 });
    mouse::Move(swatch, { 25, 25 }); // far from the press, but this is where the drag begins
    EXPECT_FALSE(DragManager::Instance().IsActive());
    mouse::Move(swatch, { 34, 34 });
    EXPECT_FALSE(DragManager::Instance().IsActive());
    mouse::Move(swatch, { 35, 25 });
    EXPECT_TRUE(DragManager::Instance().IsActive());
    DragManager::Instance().Cancel();
    EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[0]);
}

TEST_F(SwatchTest, RightClickOpensTheColourMenuOnTheFillOfAHighlightedSwatch)
{
    auto w = Start();
    const MainControls ui(*w);
    Named<QAction>(*w, "mnuTriads")->trigger();
    PaintBox* swatch = ui.pbColors[4];
    const ColorValue fill = w->SchemeColors()[4];
    mouse::Press(swatch, { 2, 2 }, Qt::RightButton); // on the white ring
    EXPECT_FALSE(w->Drag().Armed());
    EXPECT_EQ(w->SelectedColor(), fill);
    ASSERT_TRUE(Named<QMenu>(*w, "mnuColorPop")->isVisible());
    EXPECT_EQ(Named<QMenu>(*w, "mnuColorPop")->pos(), swatch->mapToGlobal(QPoint(2, 2)));
    Named<QMenu>(*w, "mnuColorPop")->close();

    const QString hex = QString::fromStdString(HexText(fill));
    const QString comma = QString::fromStdString(CommaText(fill));
    EXPECT_EQ(
        CopyMenu(w.get(), Named<QMenu>(*w, "mnuPopCopy"), { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" }),
        (Entries { { hex, hex }, { '#' + hex, '#' + hex }, { comma, comma } }));
    EXPECT_EQ(Named<QMenu>(*w, "mnuPopCopy")->title(), "Copy...");

    Named<QAction>(*w, "mnuPopSetBase")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], fill);
    EXPECT_EQ(w->HistoryCount(), 2);
}

TEST_F(SwatchTest, TheBaseAreaOffersTheBaseColour)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(255, 0, 255));
    mouse::Press(ui.pbBase, { 30, 30 }, Qt::RightButton);
    Named<QMenu>(*w, "mnuColorPop")->close();
    EXPECT_EQ(
        CopyMenu(w.get(), Named<QMenu>(*w, "mnuPopCopy"), { "mnuPopCopyHex1", "mnuPopCopyHex2", "mnuPopCopyRgb" }),
        (Entries { { "FF00FF", "FF00FF" }, { "#FF00FF", "#FF00FF" }, { "255,0,255", "255,0,255" } }));
}

TEST_F(SwatchTest, EditCopyBaseColorCopiesTheFieldsAsTheyStand)
{
    auto w = Start();
    const MainControls ui(*w);
    ASSERT_TRUE(Named<QMenu>(*w, "mnuEditCopyBase")->menuAction()->isEnabled());
    ui.txtHex->setCursorPosition(6);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(ui.txtHex, Qt::Key_Backspace);
    ASSERT_EQ(ui.txtHex->text(), "FF0");
    const std::array<const char*, 3> names { "mnuEditCopyHex1", "mnuEditCopyHex2", "mnuEditCopyRGB" };
    EXPECT_EQ(CopyMenu(w.get(), Named<QMenu>(*w, "mnuEditCopyBase"), names),
        (Entries { { "FF0", "FF0" }, { "#FF0", "#FF0" }, { "255,0,0", "255,0,0" } }));

    // A pasted text is shown as it is, mnemonic marks and all, and a very long one still copies in full.
    desktop.clipboardText = "A&B";
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(CopyMenu(w.get(), Named<QMenu>(*w, "mnuEditCopyBase"), names)[1],
        std::make_pair(QString("#A&B"), QString("#A&B")));
    const QString longText(500, QLatin1Char('9'));
    desktop.clipboardText = longText;
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    const auto entries = CopyMenu(w.get(), Named<QMenu>(*w, "mnuEditCopyBase"), names);
    EXPECT_EQ(entries[0].second, longText);
    EXPECT_LT(entries[0].first.size(), 50);
}

// Two clicks in quick succession: the toolkit reports the second press as a double click.
struct QuickClick {
    const char* area;
    QPoint first;
    QPoint second;
};
void PrintTo(const QuickClick& click, std::ostream* os) { *os << click.area; }

class QuickSecondClick : public SwatchTest, public ::testing::WithParamInterface<QuickClick> {
protected:
    static PaintBox* Area(TfrmMain* w, const char* name) { return w->findChild<PaintBox*>(QString::fromLatin1(name)); }

    // The scheme's colour and the history's length after two clicks, the second quick or slow.
    std::pair<ColorValue, int> TwoClicks(bool quick)
    {
        auto w = Start();
        PaintBox* area = Area(w.get(), GetParam().area);
        mouse::Click(area, GetParam().first);
        if (quick)
            mouse::DoubleClick(area, GetParam().second);
        else
            mouse::Press(area, GetParam().second);
        mouse::Release(area, GetParam().second);
        EXPECT_FALSE(w->Drag().Armed());
        return { w->SchemeColors()[0], w->HistoryCount() };
    }
};

TEST_P(QuickSecondClick, ActsAsASlowOne)
{
    const auto slow = TwoClicks(false);
    EXPECT_EQ(TwoClicks(true), slow);
}

INSTANTIATE_TEST_SUITE_P(MainWindow, QuickSecondClick,
    ::testing::Values(QuickClick { "pbColors2", { 10, 10 }, { 12, 12 } }, // each click adopts the next colour
        QuickClick { "pbColors12", { 10, 10 }, { 10, 10 } },
        QuickClick { "pbPalette", { 5, 5 }, { 2 + 7 * 7 + 3, 2 + 7 * 2 + 3 } }), // black, then 663333
    [](const auto& info) { return std::string(info.param.area) + "_" + std::to_string(info.index); });

TEST_F(SwatchTest, AClickFollowedAtOnceByAPressAndMoveDrags)
{
    auto w = Start();
    const MainControls ui(*w);
    for (PaintBox* area : { ui.pbColors[3], ui.pbBase }) {
        mouse::Click(area, { 10, 10 });
        const ColorValue shown = Pixel(area);
        mouse::DoubleClick(area, { 10, 10 });
        EXPECT_TRUE(w->Drag().Armed()) << area->objectName().toStdString();
        EXPECT_EQ(w->SelectedColor(), shown);
        mouse::Move(area, { 11, 10 });
        mouse::Move(area, { 30, 10 });
        EXPECT_TRUE(DragManager::Instance().IsActive()) << area->objectName().toStdString();
        mouse::Release(area, { 30, 10 });
        EXPECT_FALSE(DragManager::Instance().IsPending());
    }
}

TEST_F(SwatchTest, PointingAtASwatchReadsItsColourOut)
{
    auto w = Start();
    const MainControls ui(*w);
    const ColorValue seventh = w->SchemeColors()[6];
    mouse::Enter(ui.pbColors[6]);
    EXPECT_EQ(ui.sbPanel0->text().toStdString(), StatusRgbText(seventh));
    EXPECT_EQ(ui.sbPanel1->text().toStdString(), StatusHexText(seventh));
    mouse::Leave(ui.pbColors[6]);
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 255.0.0");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #FF0000");

    mouse::Enter(ui.pbBase); // the base area has nothing to read out
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #FF0000");
}

} // namespace
