#include "MainFixture.h"
#include "support/Controls.h"
#include "color/NamedColors.h"
#include "platform/ShownVision.h"
#include "support/Mouse.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

namespace {

class ColorVisionTest : public MainFixture {
protected:
    void TearDown() override { SetShownVision(VisionMode::Normal); }

    // What the screen shows of a box at a point.
    static ColorValue Shown(PaintBox* box, QPoint at = { 5, 5 })
    {
        const QImage seen = box->grab().toImage().scaled(box->size());
        return canvas::FromRgb(seen.pixel(at));
    }
};

TEST_F(ColorVisionTest, EveryModeShowsTheColoursSeenWhileTheTrueOnesAreKeptAndCopied)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(205, 133, 63));
    const QRect panel1 = Named<QLabel>(*w, "sbPanel1")->geometry();
    QLabel* sign = Named<QLabel>(*w, "sbVision");
    ASSERT_NE(sign, nullptr);
    EXPECT_TRUE(sign->isHidden());

    for (const VisionModeInfo& info : VisionModes()) {
        SCOPED_TRACE(info.name);
        QAction* item = Named<QAction>(*w, (std::string("mnuVision") + info.name).c_str());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(), info.name);
        item->trigger();
        EXPECT_TRUE(item->isChecked());

        const ColorValue base = w->SchemeColors()[0];
        EXPECT_EQ(Shown(ui.pbBase, { 20, 20 }), SimulateVision(base, info.mode));
        for (int n = 0; n < 16; ++n)
            EXPECT_EQ(Shown(ui.pbColors[n], { 18, 18 }), SimulateVision(w->SchemeColors()[n], info.mode)) << n + 1;

        // A press takes the true colour, and so does what is copied from it.
        mouse::Press(ui.pbColors[5], { 10, 10 }, Qt::RightButton);
        EXPECT_EQ(w->SelectedColor(), w->SchemeColors()[5]);
        OpenAndClose(Named<QMenu>(*w, "mnuPopCopy"));
        Named<QAction>(*w, "mnuPopCopyHex2")->trigger();
        EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HashHexText(w->SchemeColors()[5])));
        Named<QMenu>(*w, "mnuColorPop")->close();
        mouse::Click(ui.pbColors[5], { 10, 10 });
        EXPECT_EQ(w->SchemeColors()[0], w->SelectedColor());
        EXPECT_EQ(ui.txtHex->text(), QString::fromStdString(HexText(w->SelectedColor())));
        w->SetBaseColor(base);

        // The status bar says a simulation is on, and nothing otherwise.
        const bool simulated = info.mode != VisionMode::Normal;
        EXPECT_EQ(sign->isVisible(), simulated);
        if (simulated) {
            EXPECT_TRUE(QString::fromLatin1(info.name).startsWith(sign->text().left(4))) << sign->text().toStdString();
            EXPECT_TRUE(sign->toolTip().contains(QString::fromLatin1(info.name).toLower()));
            EXPECT_FALSE(sign->geometry().intersects(ui.sbPanel1->geometry()));
            EXPECT_FALSE(sign->geometry().intersects(ui.sbPanel0->geometry()));
            // The colour readout still fits beside it.
            EXPECT_GE(ui.sbPanel1->contentsRect().width(), ui.sbPanel1->fontMetrics().horizontalAdvance(" HEX: #DDDDDD"));
        } else {
            EXPECT_EQ(ui.sbPanel1->geometry(), panel1);
        }
    }
}

TEST_F(ColorVisionTest, ARunStartsWithTrueColours)
{
    {
        auto w = Start();
        Named<QAction>(*w, "mnuVisionTritanopia")->trigger();
        w->close();
    }
    SetShownVision(VisionMode::Normal); // what a new process starts with
    auto w = Start();
    EXPECT_TRUE(Named<QAction>(*w, "mnuVisionNormal")->isChecked());
    EXPECT_EQ(ShownVision(), VisionMode::Normal);
    EXPECT_TRUE(Named<QLabel>(*w, "sbVision")->isHidden());
}

TEST_F(ColorVisionTest, SwatchHintsNameTheNearestCssColour)
{
    auto w = Start();
    const MainControls ui(*w);
    struct Case {
        ColorValue base;
        const char* name;
    };
    const Case cases[] = {
        { Pack(205, 133, 63), "peru" },
        { Pack(205, 133, 64), "\u2248 peru" },
        { Pack(0, 255, 255), "aqua" }, // shared with cyan: the first in the alphabet
        { Pack(128, 128, 128), "gray" },
        { Pack(1, 1, 2), "\u2248 black" },
    };
    for (const Case& c : cases) {
        w->SetBaseColor(c.base);
        EXPECT_EQ(ui.pbBase->HintAt({ 10, 10 }).text, QString::fromUtf8(c.name));
        EXPECT_EQ(ui.pbColors[0]->HintAt({ 10, 10 }).text, QString::fromUtf8(c.name));
        for (int n = 1; n < 16; ++n) {
            EXPECT_EQ(ui.pbColors[n]->HintAt({ 10, 10 }).text, QString::fromStdString(ColorNameText(w->SchemeColors()[n])))
                << n + 1;
        }
    }
    // A colour that is only previewed from the palette strip is named as shown.
    w->SetBaseColor(Pack(205, 133, 63));
    mouse::Move(ui.pbPalette, { 10, 10 }, Qt::NoButton);
    EXPECT_EQ(ui.pbBase->HintAt({ 10, 10 }).text, QString::fromStdString(ColorNameText(w->BaseColor())));
}

} // namespace
