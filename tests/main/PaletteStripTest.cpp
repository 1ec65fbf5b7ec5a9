#include "MainFixture.h"
#include "platform/PaletteStrip.h"
#include "persist/IniFile.h"
#include "support/Controls.h"
#include "support/Mouse.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <functional>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

TEST(PaletteDrawing, EtchedFrameAroundEveryPalette)
{
    for (PaletteKind kind : { PaletteKind::Websafe, PaletteKind::Spectrum, PaletteKind::WebsafeSpectrum }) {
        const QImage strip = DrawPalette(kind);
        ASSERT_EQ(strip.size(), QSize(257, 47));
        EXPECT_EQ(strip.pixel(0, 20), canvas::ButtonShadow());
        EXPECT_EQ(strip.pixel(20, 0), canvas::ButtonShadow());
        EXPECT_EQ(strip.pixel(1, 20), kWhite);
        EXPECT_EQ(strip.pixel(255, 20), kWhite);
        EXPECT_EQ(strip.pixel(20, 45), kWhite);
        EXPECT_EQ(strip.pixel(256, 20), canvas::ButtonFace());
        EXPECT_EQ(strip.pixel(20, 46), canvas::ButtonFace());
    }
}

TEST(PaletteDrawing, WebsafeGridOfSixRowsOfThirtySixCells)
{
    const QImage strip = DrawWebsafePalette();
    for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 36; ++k) {
            const int x = 2 + 7 * k;
            const int y = 2 + 7 * r;
            const QRgb fill = qRgb(51 * r, 51 * (k / 6), 51 * (k % 6));
            EXPECT_EQ(strip.pixel(x + 1, y + 1), fill);
            EXPECT_EQ(strip.pixel(x + 6, y + 6), fill);
            EXPECT_EQ(strip.pixel(x, y + 3), kBlack); // shared grid lines
            EXPECT_EQ(strip.pixel(x + 3, y + 7), kBlack);
        }
    }
    EXPECT_EQ(strip.pixel(254, 44), kBlack);
    EXPECT_EQ(strip.pixel(255, 44), kWhite);
}

TEST(PaletteDrawing, SpectrumStepsOverwriteEachOtherInOrder)
{
    const QImage spectrum = DrawSpectrumPalette(false);
    // Hues 119 and 120 share column 86 and lightness steps 53 and 54 share row 23: the later step stays.
    EXPECT_EQ(canvas::FromRgb(spectrum.pixel(86, 23)), HslToRgb(120 / 360.0, 0.9, 0.54));
    EXPECT_EQ(canvas::FromRgb(spectrum.pixel(128, 3)), HslToRgb(180 / 360.0, 0.9, 0.96));
    for (int x = 2; x <= 254; ++x) {
        EXPECT_EQ(spectrum.pixel(x, 2), kBlack);
        EXPECT_EQ(spectrum.pixel(x, 44), kBlack);
    }
    for (int y = 2; y <= 44; ++y)
        EXPECT_EQ(spectrum.pixel(254, y), kBlack);

    const QImage websafe = DrawSpectrumPalette(true);
    EXPECT_EQ(canvas::FromRgb(websafe.pixel(86, 23)), SnapToWebsafe(HslToRgb(120 / 360.0, 0.9, 0.54)));
    for (int y = 0; y < websafe.height(); ++y) {
        for (int x = 0; x < websafe.width(); ++x) {
            if (const auto picked = PickPaletteColor(websafe, x, y)) {
                ASSERT_TRUE(IsWebsafe(*picked)) << x << "," << y;
            }
        }
    }
}

TEST(PaletteDrawing, SpectrumIsExactlyItsStepsDrawnOneOverAnother)
{
    // Every hue step over every lightness step, each overwriting what was there, as the picture is defined.
    for (const bool websafe : { false, true }) {
        QImage expected = DrawPaletteFrame();
        for (int i = 0; i <= 359; ++i) {
            const int x = RoundHalfEven(i / 359.0 * 252 + 2);
            for (int j = 8; j <= 98; ++j) {
                ColorValue c = HslToRgb(i / 360.0, 0.9, j / 100.0);
                if (websafe)
                    c = SnapToWebsafe(c);
                expected.setPixel(x, RoundHalfEven((98 - j) / 100.0 * 47 + 2), canvas::ToRgb(c));
            }
        }
        canvas::Rectangle(expected, 2, 2, kPaletteWidth - 2, kPaletteHeight - 2, kBlack, std::nullopt);
        EXPECT_EQ(DrawSpectrumPalette(websafe), expected) << "websafe " << websafe;
    }
}

TEST(PaletteDrawing, PickingSkipsTheFrameTheGridAndTheOutline)
{
    const QImage strip = DrawWebsafePalette();
    EXPECT_EQ(PickPaletteColor(strip, 5, 5), std::optional<ColorValue>(0)); // the black corner cell
    EXPECT_EQ(PickPaletteColor(strip, 250, 40), std::optional<ColorValue>(Pack(255, 255, 255)));
    EXPECT_EQ(PickPaletteColor(strip, 55, 20), std::optional<ColorValue>(Pack(102, 51, 51)));
    EXPECT_FALSE(PickPaletteColor(strip, 9, 5)); // grid line
    EXPECT_FALSE(PickPaletteColor(strip, 100, 16));
    EXPECT_FALSE(PickPaletteColor(strip, 2, 5)); // the outer three pixels
    EXPECT_FALSE(PickPaletteColor(strip, 254, 20));
    EXPECT_FALSE(PickPaletteColor(strip, 20, 44));
    EXPECT_FALSE(PickPaletteColor(strip, 0, 0));
    EXPECT_FALSE(PickPaletteColor(strip, -1, 300)); // outside the strip altogether

    const QImage spectrum = DrawSpectrumPalette(false);
    EXPECT_FALSE(PickPaletteColor(spectrum, 2, 20));
    EXPECT_TRUE(PickPaletteColor(spectrum, 3, 20));
    EXPECT_FALSE(PickPaletteColor(spectrum, 100, 44));
    EXPECT_TRUE(PickPaletteColor(spectrum, 100, 43));
}

using PaletteStripTest = MainFixture;

TEST_F(PaletteStripTest, PressingACellWithAnyButtonMakesItTheBaseColour)
{
    auto w = Start();
    const MainControls ui(*w);
    mouse::Click(ui.pbPalette, { 55, 20 });
    EXPECT_EQ(w->SchemeColors()[0], Pack(102, 51, 51));
    EXPECT_EQ(ui.txtHex->text(), "663333");
    EXPECT_EQ(w->HistoryCount(), 2);
    mouse::Click(ui.pbPalette, { 250, 40 }, Qt::RightButton);
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 255, 255));
    mouse::Click(ui.pbPalette, { 5, 5 }, Qt::MiddleButton);
    EXPECT_EQ(w->SchemeColors()[0], Pack(0, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 4);

    for (QPoint line : { QPoint(9, 20), QPoint(55, 16), QPoint(1, 1), QPoint(255, 20) })
        mouse::Click(ui.pbPalette, line);
    EXPECT_EQ(w->HistoryCount(), 4);
}

TEST_F(PaletteStripTest, HoveringPreviewsAndLeavingRestores)
{
    auto w = Start();
    const MainControls ui(*w);
    mouse::Enter(ui.pbPalette);
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 255.0.0");
    mouse::Move(ui.pbPalette, { 55, 20 }, Qt::NoButton);
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 102.51.51");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #663333");
    EXPECT_EQ(w->BaseColor(), Pack(102, 51, 51));
    EXPECT_EQ(Pixel(ui.pbBase), Pack(102, 51, 51));
    EXPECT_EQ(ui.txtHex->text(), "FF0000");
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 1);

    mouse::Move(ui.pbPalette, { 9, 20 }, Qt::NoButton); // a grid line keeps the last preview
    EXPECT_EQ(w->BaseColor(), Pack(102, 51, 51));

    mouse::Leave(ui.pbPalette);
    EXPECT_EQ(w->BaseColor(), Pack(255, 0, 0));
    EXPECT_EQ(Pixel(ui.pbBase), Pack(255, 0, 0));
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 255.0.0");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #FF0000");
}

TEST_F(PaletteStripTest, TheSettingAndThePreferencesChooseThePalette)
{
    folder.Write("tw3.ini", "[Prefs]\nPalette=2\n");
    auto w = Start();
    const MainControls ui(*w);
    EXPECT_EQ(ui.pbPalette->Surface(), DrawSpectrumPalette(true));
    mouse::Click(ui.pbPalette, { 100, 20 });
    EXPECT_TRUE(IsWebsafe(w->SchemeColors()[0]));
    EXPECT_TRUE(ui.imgwebsafe->isVisible());

    w->RebuildPalette(PaletteKind::Spectrum);
    EXPECT_EQ(ui.pbPalette->Surface(), DrawSpectrumPalette(false));
    w->RebuildPalette(PaletteKind::Websafe);
    EXPECT_EQ(ui.pbPalette->Surface(), DrawWebsafePalette());
    w->RebuildPalette(std::nullopt);
    EXPECT_EQ(ui.pbPalette->Surface(), DrawPaletteFrame());
}

TEST_F(PaletteStripTest, AnUnknownStoredPaletteDrawsNone)
{
    folder.Write("tw3.ini", "[Prefs]\nPalette=-1\n");
    auto w = Start();
    const MainControls ui(*w);
    EXPECT_EQ(ui.pbPalette->Surface(), DrawPaletteFrame());
}

// The colour under the pointer on the strip is only a preview: what runs meanwhile acts on, and keeps, the base
// colour the user chose.
class HoverPreview : public PaletteStripTest {
protected:
    static constexpr ColorValue kChosen = Pack(0xB4, 0x82, 0x46);
    static constexpr QPoint kOnCell663333 { 2 + 7 * 7 + 3, 2 + 7 * 2 + 3 };

    std::unique_ptr<TfrmMain> StartHovering()
    {
        auto w = Start();
        const MainControls ui(*w);
        w->SetBaseColor(kChosen);
        mouse::Enter(ui.pbPalette);
        mouse::Move(ui.pbPalette, kOnCell663333, Qt::NoButton);
        EXPECT_EQ(w->BaseColor(), Pack(102, 51, 51)); // previewed
        return w;
    }
};

TEST_F(HoverPreview, AdjustmentsActOnTheChosenBase)
{
    struct Case {
        const char* how;
        std::function<void(TfrmMain*)> adjust;
        ColorValue expected;
    };
    const Case cases[] = {
        { "Ctrl+L", [](TfrmMain* w) { QTest::keyClick(w, Qt::Key_L, Qt::ControlModifier); }, Pack(0xBD, 0x8E, 0x56) },
        { "Ctrl+D", [](TfrmMain* w) { QTest::keyClick(w, Qt::Key_D, Qt::ControlModifier); }, Pack(0xA2, 0x75, 0x3F) },
        { "Saturate", [](TfrmMain* w) { Named<QAction>(*w, "mnuAdjustSaturate")->trigger(); }, Pack(0xBA, 0x83, 0x40) },
        { "Desaturate", [](TfrmMain* w) { Named<QToolButton>(*w, "tbDesaturate")->click(); }, Pack(0xAE, 0x81, 0x4C) },
    };
    for (const Case& c : cases) {
        auto w = StartHovering();
        Activate(w.get());
        c.adjust(w.get());
        EXPECT_EQ(w->SchemeColors()[0], c.expected) << c.how;
        EXPECT_EQ(w->HistoryCount(), 3) << c.how;
    }
}

TEST_F(HoverPreview, ClosingKeepsTheChosenBaseForTheNextRun)
{
    auto w = StartHovering();
    w->close();
    IniFile ini;
    EXPECT_EQ(ini.ReadInteger("Main", "BaseColor", -1), static_cast<int>(kChosen));
}

TEST_F(HoverPreview, ClearingTheHistoryKeepsTheChosenBase)
{
    auto w = StartHovering();
    const MainControls ui(*w);
    w->ClearHistory();
    ASSERT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(ui.cboHistory->itemText(0), "#B48246");
}

} // namespace
