#include "color/Color.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ColorValue, PacksRedLowBlueHighAndMasksChannels)
{
    EXPECT_EQ(Pack(255, 0, 0), 255u);
    EXPECT_EQ(Pack(0, 0, 255), 16711680u);
    EXPECT_EQ(Pack(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(Pack(256 + 1, -1, 0x1FF), Pack(1, 255, 255));
    const ColorValue c = Pack(10, 20, 30);
    EXPECT_EQ(Channels(c), (Rgb { 10, 20, 30 }));
}

TEST(RgbToHsl, GreysHaveNoHueOrSaturation)
{
    for (int v = 0; v < 256; ++v) {
        const Hsl hsl = RgbToHsl(Pack(v, v, v));
        EXPECT_EQ(hsl.h, 0.0);
        EXPECT_EQ(hsl.s, 0.0);
        EXPECT_DOUBLE_EQ(hsl.l, v / 255.0);
    }
    EXPECT_EQ(RgbToHsl(Pack(255, 255, 255)).l, 1.0);
}

TEST(RgbToHsl, PrimariesAndTiesForTheMaximum)
{
    const Hsl red = RgbToHsl(Pack(255, 0, 0));
    EXPECT_EQ(red.h, 0.0);
    EXPECT_EQ(red.s, 1.0); // lightness exactly 0.5 takes the second branch, which gives the same
    EXPECT_EQ(red.l, 0.5);
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(0, 0, 255)).h, 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(0, 255, 0)).h, 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(255, 0, 255)).h, 5.0 / 6.0);
    // Red and green tie: red's branch wins. Green and blue tie: green's branch wins.
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(255, 255, 0)).h, 1.0 / 6.0);
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(0, 255, 255)).h, 0.5);
    // Dark and light sides of the saturation formula.
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(100, 50, 50)).s, 50.0 / 150.0);
    EXPECT_DOUBLE_EQ(RgbToHsl(Pack(250, 200, 200)).s, 50.0 / (510.0 - 450.0));
}

TEST(HslToRgb, KnownValuesAndTies)
{
    EXPECT_EQ(HslToRgb(0, 1, 0.5), Pack(255, 0, 0));
    EXPECT_EQ(HslToRgb(1.0 / 3.0, 1, 0.5), Pack(0, 255, 0));
    EXPECT_EQ(HslToRgb(2.0 / 3.0, 1, 0.5), Pack(0, 0, 255));
    // 127.5 rounds to the even 128; S of exactly 0 ignores the hue.
    for (double h : { 0.0, 0.3, 0.999 })
        EXPECT_EQ(HslToRgb(h, 0, 0.5), Pack(128, 128, 128));
    EXPECT_EQ(HslToRgb(0.7, 0, 1), Pack(255, 255, 255));
    EXPECT_EQ(HslToRgb(0.7, 0, 0), Pack(0, 0, 0));
}

TEST(HueToChannel, WrapsOnceAndWalksTheFourSegments)
{
    EXPECT_EQ(HueToChannel(0.1, 0, 1), 153);  // rising: 0.6 of the way
    EXPECT_EQ(HueToChannel(1.1, 0, 1), 153);  // wrapped down once
    EXPECT_EQ(HueToChannel(-0.9, 0, 1), 153); // wrapped up once
    EXPECT_EQ(HueToChannel(0.4, 0, 1), 255);  // plateau at m2
    EXPECT_EQ(HueToChannel(0.6, 0, 1), 102);  // falling: (2/3 - 0.6) x 6 = 0.4
    EXPECT_EQ(HueToChannel(0.9, 0, 1), 0);    // floor at m1
    EXPECT_EQ(HueToChannel(0.25, 0.2, 0.6), 153);
}

// Every colour there is goes to HSL and back unchanged, with the HSL inside its documented ranges.
TEST(RgbToHsl, EveryColourRoundTrips)
{
    int failures = 0;
    for (ColorValue c = 0; c <= 0xFFFFFF; ++c) {
        const Hsl hsl = RgbToHsl(c);
        const ColorValue back = HslToRgb(hsl);
        const bool inRange = hsl.h >= 0 && hsl.h < 1 && hsl.s >= 0 && hsl.s <= 1 && hsl.l >= 0 && hsl.l <= 1;
        if (back != c || !inRange) {
            if (++failures <= 10)
                ADD_FAILURE() << HexText(c) << " came back as " << HexText(back) << " via h=" << hsl.h
                              << " s=" << hsl.s << " l=" << hsl.l;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(Websafe, SnapsEachChannelToTheNearestMultipleOf51)
{
    const std::pair<int, int> bounds[] = { { 0, 0 }, { 25, 0 }, { 26, 51 }, { 76, 51 }, { 77, 102 }, { 127, 102 },
        { 128, 153 }, { 178, 153 }, { 179, 204 }, { 229, 204 }, { 230, 255 }, { 255, 255 } };
    for (const auto& [in, out] : bounds)
        EXPECT_EQ(SnapToWebsafe(in), out) << in;
    for (int c = 0; c < 256; ++c) {
        const int snapped = SnapToWebsafe(c);
        EXPECT_EQ(snapped % 51, 0);
        EXPECT_LE(std::abs(snapped - c), 25) << c;
    }
    EXPECT_EQ(SnapToWebsafe(Pack(25, 128, 230)), Pack(0, 153, 255));
}

TEST(Websafe, AllThreeChannelsMustBeMultiplesOf51)
{
    EXPECT_TRUE(IsWebsafe(0, 51, 255));
    EXPECT_TRUE(IsWebsafe(Pack(204, 153, 102)));
    EXPECT_FALSE(IsWebsafe(1, 51, 255));
    EXPECT_FALSE(IsWebsafe(0, 50, 255));
    EXPECT_FALSE(IsWebsafe(0, 51, 254));
    EXPECT_FALSE(IsWebsafe(Pack(0xB4, 0x82, 0x46)));
    int websafe = 0;
    for (ColorValue c = 0; c <= 0xFFFFFF; c += 997)
        EXPECT_TRUE(IsWebsafe(SnapToWebsafe(c))) << HexText(c);
    for (int r = 0; r < 256; ++r)
        websafe += IsWebsafe(r, 0, 0);
    EXPECT_EQ(websafe, 6);
}

TEST(TextForms, UpperCasePaddedHexAndPlainDecimal)
{
    const ColorValue c = Pack(10, 11, 12);
    EXPECT_EQ(HexText(c), "0A0B0C");
    EXPECT_EQ(HexText(10, 11, 12), "0A0B0C");
    EXPECT_EQ(HashHexText(c), "#0A0B0C");
    EXPECT_EQ(CommaText(c), "10,11,12");
    EXPECT_EQ(StatusRgbText(c), " RGB: 10.11.12");
    EXPECT_EQ(StatusHexText(c), " HEX: #0A0B0C");

    const ColorValue magenta = Pack(255, 0, 255);
    EXPECT_EQ(HexText(magenta), "FF00FF");
    EXPECT_EQ(HashHexText(magenta), "#FF00FF");
    EXPECT_EQ(CommaText(magenta), "255,0,255");
    EXPECT_EQ(StatusRgbText(magenta), " RGB: 255.0.255");
    EXPECT_EQ(StatusHexText(magenta), " HEX: #FF00FF");
    EXPECT_EQ(HexText(Pack(0xAB, 0xCD, 0xEF)), "ABCDEF");
    EXPECT_EQ(CommaText(0, 0, 0), "0,0,0");
}

TEST(ParseHexText, ReadsPairsAndStopsAtTheFirstNonDigit)
{
    Rgb rgb;
    ASSERT_TRUE(ParseHexText("ff8000", rgb));
    EXPECT_EQ(rgb, (Rgb { 255, 128, 0 }));
    ASSERT_TRUE(ParseHexText("aBcDeF", rgb));
    EXPECT_EQ(rgb, (Rgb { 0xAB, 0xCD, 0xEF }));
    ASSERT_TRUE(ParseHexText("GG0000", rgb));
    EXPECT_EQ(rgb, (Rgb { 0, 0, 0 }));
    ASSERT_TRUE(ParseHexText("1G0000", rgb));
    EXPECT_EQ(rgb, (Rgb { 1, 0, 0 }));
    ASSERT_TRUE(ParseHexText("A 7-zz", rgb));
    EXPECT_EQ(rgb, (Rgb { 10, 7, 0 }));

    // Every text form round-trips through the parser.
    for (ColorValue c : { 0x000000u, 0xFFFFFFu, 0x46B482u, 0x0C0B0Au }) {
        ASSERT_TRUE(ParseHexText(HexText(c), rgb));
        EXPECT_EQ(Pack(rgb.r, rgb.g, rgb.b), c);
    }
}

TEST(ParseHexText, OnlySixCharactersAreAColour)
{
    Rgb rgb { 1, 2, 3 };
    for (const char* text : { "", "FF800", "FF80001", "#FF8000" }) {
        EXPECT_FALSE(ParseHexText(text, rgb)) << text;
        EXPECT_EQ(rgb, (Rgb { 1, 2, 3 })) << "a rejected text leaves the result alone";
    }
}

} // namespace

// A pasted colour is read in every text a copy menu gives, and only there: anything else is refused whole rather
// than read as far as it goes.
TEST(ParseColorText, TakesTheThreeCopyFormsAndNothingElse)
{
    const struct {
        const char* text;
        std::optional<ColorValue> color;
    } cases[] = {
        { "CD853F", Pack(0xCD, 0x85, 0x3F) },
        { "cd853f", Pack(0xCD, 0x85, 0x3F) },
        { "#CD853F", Pack(0xCD, 0x85, 0x3F) },
        { "  #00ff7f\n", Pack(0x00, 0xFF, 0x7F) },
        { "205,133,63", Pack(205, 133, 63) },
        { "0, 0 ,255\r\n", Pack(0, 0, 255) },
        { "255,255,255", Pack(255, 255, 255) },
        { "", std::nullopt },
        { "#", std::nullopt },
        { "CD853", std::nullopt },
        { "CD853F0", std::nullopt },
        { "##CD853F", std::nullopt },
        { "CD 853F", std::nullopt },
        { "GG853F", std::nullopt },
        { "0x853F", std::nullopt },
        { "256,0,0", std::nullopt },
        { "1,2", std::nullopt },
        { "1,2,3,4", std::nullopt },
        { "1,,3", std::nullopt },
        { "-1,2,3", std::nullopt },
        { "0001,2,3", std::nullopt },
        { "1.5,2,3", std::nullopt },
        { "rgb(1,2,3)", std::nullopt },
        { "peru", std::nullopt },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseColorText(c.text), c.color);
    }
}
