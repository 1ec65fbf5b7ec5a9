#include "color/Scheme.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

ColorValue FromHex(const std::string& text)
{
    Rgb rgb;
    EXPECT_TRUE(ParseHexText(text, rgb)) << text;
    return Pack(rgb.r, rgb.g, rgb.b);
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

std::vector<std::string> AsHex(const SchemeColorArray& scheme)
{
    std::vector<std::string> out;
    for (ColorValue c : scheme)
        out.push_back(HexText(c));
    return out;
}

struct SchemeCase {
    const char* base;
    WheelMode mode;
    const char* expected; // indices 0..15
};

class ExpectedScheme : public testing::TestWithParam<SchemeCase> { };

TEST_P(ExpectedScheme, MatchesTheReferenceTable)
{
    const SchemeCase& c = GetParam();
    const SchemeColorArray scheme = ComputeScheme(FromHex(c.base), c.mode);
    EXPECT_EQ(AsHex(scheme), Words(c.expected));
    const SchemeColorArray direct = c.mode == WheelMode::Traditional ? ComputeRybScheme(FromHex(c.base))
                                                                       : ComputeRgbScheme(FromHex(c.base));
    EXPECT_EQ(scheme, direct);
}

INSTANTIATE_TEST_SUITE_P(ReferenceBases, ExpectedScheme,
    testing::Values(
        SchemeCase { "B48246", WheelMode::Computer,
            "B48246 AFB446 78B446 46B44B 46B482 46AFB4 4678B4 4B46B4 8246B4 B446AF B44678 B44B46 "
            "C49B69 D3B38D 6992C4 8DADD3" },
        SchemeCase { "B48246", WheelMode::Traditional,
            "B48246 B49846 B4AE46 A4B446 748C48 48838C 486B8C 484C8C 66488C 88488C 8C4859 B46746 "
            "C49B69 D3B38D 5C85AB 7E9EBC" },
        SchemeCase { "FF0000", WheelMode::Traditional,
            "FF0000 FF6000 FF9A00 FFCD00 FEFF00 BAE806 2ECE0C 0C99CE 0C5BCE 1F0CCE 800CCE CE0C82 "
            "FF3333 FF6666 41F21B 69F54B" },
        SchemeCase { "CC6633", WheelMode::Traditional,
            "CC6633 CC8A33 CCA933 CCC733 ACC434 69A338 388EA3 386CA3 3938A3 6F38A3 A33892 AA384B "
            "D6855C E0A385 4CABC2 72BDCF" },
        SchemeCase { "404040", WheelMode::Traditional,
            "404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 "
            "5A5A5A 737373 5A5A5A 737373" },
        SchemeCase { "404040", WheelMode::Computer,
            "404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 404040 "
            "5A5A5A 737373 5A5A5A 737373" }),
    [](const testing::TestParamInfo<SchemeCase>& info) {
        return std::string(info.param.base) + (info.param.mode == WheelMode::Traditional ? "_RYB" : "_RGB");
    });

TEST(Scheme, WhiteAndBlackInnerVariantsGoTowardsTheMiddle)
{
    for (WheelMode mode : { WheelMode::Traditional, WheelMode::Computer }) {
        const std::vector<std::string> white = AsHex(ComputeScheme(0xFFFFFF, mode));
        EXPECT_EQ(std::vector<std::string>(white.begin() + 12, white.end()), Words("E6E6E6 CCCCCC E6E6E6 CCCCCC"));
        const std::vector<std::string> black = AsHex(ComputeScheme(0x000000, mode));
        EXPECT_EQ(std::vector<std::string>(black.begin() + 12, black.end()), Words("1A1A1A 333333 1A1A1A 333333"));
    }
}

TEST(Scheme, TheComputerWheelStartsAtTheBaseItself)
{
    for (ColorValue c = 0; c <= 0xFFFFFF; c += 9973)
        EXPECT_EQ(ComputeRgbScheme(c)[0], c) << HexText(c);
}

TEST(Scheme, AMidGreyDarkensOnTheTraditionalWheelButStaysGrey)
{
    const ColorValue base = 0x808080; // lightness between 0.39 and 0.8
    const SchemeColorArray ryb = ComputeRybScheme(base);
    EXPECT_EQ(ryb[0], base);
    bool darker = false;
    for (int i = 0; i < 12; ++i) {
        const Rgb c = Channels(ryb[i]);
        EXPECT_TRUE(c.r == c.g && c.g == c.b) << i << ": " << HexText(ryb[i]);
        EXPECT_LE(c.r, 0x80) << "the walk never lightens beyond the base";
        darker |= c.r < 0x80;
    }
    EXPECT_TRUE(darker);
    // Light greys (0.8 and above) are not touched by the walk's adjustments at all.
    const SchemeColorArray light = ComputeRybScheme(0xD0D0D0);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(light[i], 0xD0D0D0u) << i;
}

TEST(Scheme, TheRedBandNeverLightensOrOversaturatesBeyondTheBase)
{
    // The walk starts inside the red band, so its adjustment runs before the walk has darkened anything.
    for (ColorValue base : { Pack(255, 0, 40), Pack(200, 40, 60), Pack(90, 20, 30) }) {
        const Hsl hsl = RgbToHsl(base);
        ASSERT_GE(hsl.h * 360, 348) << HexText(base);
        const SchemeColorArray ryb = ComputeRybScheme(base);
        for (int i = 0; i < 12; ++i) {
            const Hsl ring = RgbToHsl(ryb[i]);
            EXPECT_LE(ring.l, hsl.l + 1 / 255.0) << HexText(base) << " ring " << i << " " << HexText(ryb[i]);
        }
    }
    // A saturation pushed past 1 would overflow the channels instead of keeping the red at full.
    const SchemeColorArray saturated = ComputeRybScheme(Pack(255, 0, 40));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(Red(saturated[i]), 255) << i << " " << HexText(saturated[i]);
}

TEST(Scheme, AHueJustBelowAFullTurnIsSampledAfterTheWrapAt359)
{
    const ColorValue base = Pack(255, 0, 4); // hue about 359.06 degrees
    const Hsl hsl = RgbToHsl(base);
    ASSERT_GT(hsl.h * 360, 359);
    ASSERT_LT(hsl.h * 360, 360);
    const SchemeColorArray ryb = ComputeRybScheme(base);
    EXPECT_EQ(ryb[0], HslToRgb((hsl.h * 360 - 359) / 360, hsl.s, hsl.l));
    EXPECT_NE(ryb[0], base);
    EXPECT_EQ(ComputeRgbScheme(base)[0], base);
}

TEST(Scheme, ChoosesTheWheelByMode)
{
    const ColorValue base = 0xB48246;
    EXPECT_EQ(ComputeScheme(base, WheelMode::Traditional), ComputeRybScheme(base));
    EXPECT_EQ(ComputeScheme(base, WheelMode::Computer), ComputeRgbScheme(base));
    EXPECT_NE(ComputeRybScheme(base), ComputeRgbScheme(base));
}

TEST(Harmony, HighlightedIndicesPerHarmony)
{
    const std::pair<Harmony, std::vector<int>> sets[] = {
        { Harmony::None, {} },
        { Harmony::Complements, { 0, 6 } },
        { Harmony::SplitComplements, { 0, 5, 7 } },
        { Harmony::Triads, { 0, 4, 8 } },
        { Harmony::Tetrads, { 0, 3, 6, 9 } },
        { Harmony::Analogous, { 0, 1, 11 } },
        { Harmony::Monochromatic, { 0, 12, 13 } },
    };
    static_assert(std::size(sets) == kHarmonyCount);
    for (const auto& [harmony, members] : sets) {
        std::vector<int> actual;
        for (int i = -1; i <= 16; ++i) {
            if (IsHarmonyMember(i, harmony))
                actual.push_back(i);
        }
        EXPECT_EQ(actual, members) << static_cast<int>(harmony);
    }
    EXPECT_EQ(static_cast<int>(Harmony::Monochromatic), 6) << "numbers are stored in the settings file";
}

TEST(Harmony, SomeSwatchesAreNeverHighlighted)
{
    for (int h = 0; h < kHarmonyCount; ++h) {
        for (int index : { 2, 10, 14, 15 })
            EXPECT_FALSE(IsHarmonyMember(index, static_cast<Harmony>(h))) << h << " " << index;
    }
}

} // namespace
