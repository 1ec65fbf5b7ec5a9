#include "MainFixture.h"
#include "support/Controls.h"
#include "support/Mouse.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

constexpr ColorValue Hex(unsigned rrggbb) { return Pack(rrggbb >> 16, (rrggbb >> 8) & 0xFF, rrggbb & 0xFF); }

using AdjustCommandsTest = MainFixture;

TEST_F(AdjustCommandsTest, EachAdjustmentOnAWarmBrown)
{
    auto w = Start();
    const MainControls ui(*w);
    const std::pair<QAction*, ColorValue> cases[] = {
        { Named<QAction>(*w, "mnuAdjustLighten"), Hex(0xBD8E56) },
        { Named<QAction>(*w, "mnuAdjustDarken"), Hex(0xA2753F) },
        { Named<QAction>(*w, "mnuAdjustSaturate"), Hex(0xBA8340) },
        { Named<QAction>(*w, "mnuAdjustDesaturate"), Hex(0xAE814C) },
    };
    for (const auto& [item, expected] : cases) {
        w->SetBaseColor(Hex(0xB48246));
        const int history = w->HistoryCount();
        item->trigger();
        EXPECT_EQ(w->SchemeColors()[0], expected) << item->objectName().toStdString();
        EXPECT_EQ(ui.txtHex->text().toStdString(), HexText(expected));
        EXPECT_EQ(w->HistoryCount(), history + 1);
    }
}

TEST_F(AdjustCommandsTest, ToolButtonsAdjustLikeTheMenu)
{
    auto w = Start();
    const std::pair<QToolButton*, ColorValue> cases[] = {
        { Named<QToolButton>(*w, "tbLighten"), Hex(0xBD8E56) },
        { Named<QToolButton>(*w, "tbDarken"), Hex(0xA2753F) },
        { Named<QToolButton>(*w, "tbSaturate"), Hex(0xBA8340) },
        { Named<QToolButton>(*w, "tbDesaturate"), Hex(0xAE814C) },
    };
    for (const auto& [button, expected] : cases) {
        w->SetBaseColor(Hex(0xB48246));
        ASSERT_TRUE(button->isEnabled());
        button->click();
        EXPECT_EQ(w->SchemeColors()[0], expected) << button->objectName().toStdString();
    }
}

TEST_F(AdjustCommandsTest, PureRedAndAGreyAtTheEndsOfTheirRanges)
{
    auto w = Start();
    Named<QAction>(*w, "mnuAdjustSaturate")->trigger(); // already fully saturated
    EXPECT_EQ(w->HistoryCount(), 1);
    Named<QAction>(*w, "mnuAdjustDarken")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xE60000));
    w->SetBaseColor(Hex(0xFF0000));
    Named<QAction>(*w, "mnuAdjustDesaturate")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xF90606));

    w->SetBaseColor(Hex(0x404040));
    const int history = w->HistoryCount();
    Named<QAction>(*w, "mnuAdjustDesaturate")->trigger();
    EXPECT_EQ(w->HistoryCount(), history);
    Named<QAction>(*w, "mnuAdjustSaturate")->trigger(); // a grey has no hue left: saturating starts from red
    EXPECT_EQ(w->SchemeColors()[0], Hex(0x433D3D));
}

TEST_F(AdjustCommandsTest, LighteningRepeatedlyReachesWhiteAndStops)
{
    auto w = Start();
    w->SetBaseColor(Hex(0xB48246));
    const ColorValue steps[] = { Hex(0xBD8E56), Hex(0xC49A68), Hex(0xCBA67A), Hex(0xD2B28C), Hex(0xD9BE9E),
        Hex(0xE0CAB0), Hex(0xE7D6C2), Hex(0xEEE2D4), Hex(0xF5EEE6), Hex(0xFCFAF8), Hex(0xFFFFFF) };
    for (ColorValue expected : steps) {
        Named<QAction>(*w, "mnuAdjustLighten")->trigger();
        EXPECT_EQ(w->SchemeColors()[0], expected);
    }
    const int history = w->HistoryCount();
    EXPECT_EQ(history, 13);
    Named<QAction>(*w, "mnuAdjustLighten")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xFFFFFF));
    EXPECT_EQ(w->HistoryCount(), history);
}

TEST_F(AdjustCommandsTest, StepsComeFromTheSettingsAndThePreferences)
{
    folder.Write("tw3.ini", "[Prefs]\nLInc=20\nSInc=0\n");
    auto w = Start();
    w->SetBaseColor(Hex(0x808080));
    Named<QAction>(*w, "mnuAdjustLighten")->trigger(); // 20 percent of 255 is 51
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xB3B3B3));
    w->SetBaseColor(Hex(0xB48246));
    Named<QAction>(*w, "mnuAdjustSaturate")->trigger(); // a step of 0 changes nothing
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xB48246));

    w->SetSteps(5, 5);
    EXPECT_EQ(w->LightnessStep(), 5);
    EXPECT_EQ(w->SaturationStep(), 5);
    Named<QAction>(*w, "mnuAdjustSaturate")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xBA8340));
}

// A hand-edited step larger than the Preferences offer is used as it is: each step stops at the end of the range.
TEST_F(AdjustCommandsTest, StoredStepsLargerThanThePreferencesOfferAreUsedAsStored)
{
    folder.Write("tw3.ini", "[Prefs]\nLInc=40\nSInc=40\n");
    auto w = Start();
    EXPECT_EQ(w->LightnessStep(), 40);
    EXPECT_EQ(w->SaturationStep(), 40);
    w->SetBaseColor(Hex(0x333333));
    Named<QAction>(*w, "mnuAdjustLighten")->trigger(); // lightness 20 % + 40 %
    EXPECT_EQ(w->SchemeColors()[0], Hex(0x999999));
    Named<QAction>(*w, "mnuAdjustLighten")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xFFFFFF));
    w->SetBaseColor(Hex(0x996666)); // saturation 20 %
    Named<QAction>(*w, "mnuAdjustSaturate")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Hex(0xCC3333));
}

TEST_F(AdjustCommandsTest, MakeWebsafeFromTheMenuTheButtonAndTheWarning)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(10, 30, 230));
    EXPECT_TRUE(ui.imgnotwebsafe->isVisible());
    Named<QAction>(*w, "mnuEditWebsafe")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Pack(0, 51, 255));
    EXPECT_EQ(ui.txtG->text(), "51");
    EXPECT_TRUE(ui.imgwebsafe->isVisible());
    EXPECT_FALSE(ui.imgnotwebsafe->isVisible());
    EXPECT_EQ(Named<QAction>(*w, "mnuEditWebsafe")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_W));

    const int history = w->HistoryCount();
    Named<QToolButton>(*w, "tbWebsafe")->click(); // already websafe
    EXPECT_EQ(w->HistoryCount(), history);

    w->SetBaseColor(Pack(25, 26, 128));
    Named<QToolButton>(*w, "tbWebsafe")->click();
    EXPECT_EQ(w->SchemeColors()[0], Pack(0, 51, 153));

    for (QLabel* warning : { ui.imgnotwebsafe, ui.imgnotsafe }) {
        w->SetBaseColor(Pack(230, 229, 77));
        mouse::Click(warning, { 3, 3 }, Qt::RightButton); // only the left button clicks
        EXPECT_EQ(w->SchemeColors()[0], Pack(230, 229, 77));
        mouse::Click(warning, { 3, 3 });
        EXPECT_EQ(w->SchemeColors()[0], Pack(255, 204, 102)) << warning->objectName().toStdString();
    }
}

TEST_F(AdjustCommandsTest, AdjustmentsAreEnabled)
{
    auto w = Start();
    for (QAction* item : { Named<QAction>(*w, "mnuEditWebsafe"), Named<QAction>(*w, "mnuAdjustLighten"),
             Named<QAction>(*w, "mnuAdjustDarken"), Named<QAction>(*w, "mnuAdjustSaturate"),
             Named<QAction>(*w, "mnuAdjustDesaturate") })
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    EXPECT_TRUE(Named<QToolButton>(*w, "tbWebsafe")->isEnabled());
}

} // namespace
