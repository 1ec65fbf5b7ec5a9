#include "color/CssText.h"
#include "color/Oklab.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(CssText, KnownColours)
{
    struct Case {
        ColorValue color;
        const char* rgb;
        const char* hsl;
        const char* oklch;
    };
    const Case cases[] = {
        { Pack(0, 0, 0), "rgb(0 0 0)", "hsl(0 0% 0%)", "oklch(0 0 0)" },
        { Pack(255, 255, 255), "rgb(255 255 255)", "hsl(0 0% 100%)", "oklch(1 0 0)" },
        { Pack(128, 128, 128), "rgb(128 128 128)", "hsl(0 0% 50.2%)", "oklch(0.5999 0 0)" },
        { Pack(255, 0, 0), "rgb(255 0 0)", "hsl(0 100% 50%)", "oklch(0.628 0.25768 29.23)" },
        { Pack(0, 0, 255), "rgb(0 0 255)", "hsl(240 100% 50%)", "oklch(0.452 0.31321 264.05)" },
        { Pack(255, 0, 255), "rgb(255 0 255)", "hsl(300 100% 50%)", "oklch(0.7017 0.32249 328.36)" },
        { Pack(102, 51, 153), "rgb(102 51 153)", "hsl(270 50% 40%)", "oklch(0.4403 0.1603 303.37)" },
        { Pack(255, 0, 1), "rgb(255 0 1)", "hsl(359.8 100% 50%)", "oklch(0.628 0.25765 29.18)" },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CssRgbText(c.color), c.rgb);
        EXPECT_EQ(CssHslText(c.color), c.hsl);
        EXPECT_EQ(CssOklchText(c.color), c.oklch);
    }
}

TEST(CssText, FormsInMenuOrderEachStartingWithItsFunction)
{
    const char* functions[] = { "rgb", "hsl", "oklch" };
    ASSERT_EQ(CssTextForms().size(), std::size(functions));
    for (std::size_t i = 0; i < std::size(functions); ++i) {
        const CssTextForm& form = CssTextForms()[i];
        EXPECT_STREQ(form.function, functions[i]);
        const std::string text = form.text(Pack(1, 2, 3));
        EXPECT_EQ(text.rfind(std::string(functions[i]) + '(', 0), 0u) << text;
        EXPECT_EQ(text.back(), ')') << text;
    }
}

TEST(CssText, DecimalTextDropsTrailingZerosAndNegativeZero)
{
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = { { 50.0, 1, "50" }, { 50.25, 1, "50.2" }, { 0.1, 4, "0.1" }, { -0.00001, 4, "0" },
        { 100.0, 0, "100" }, { 4.5, 2, "4.5" }, { 1234.5678, 2, "1234.57" } };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalText(c.value, c.decimals), c.text) << c.value;
}

// The texts carry enough digits that reading them back gives the colour itself. The faces of the cube, where
// chroma is highest and rounding matters most, are covered densely.
TEST(CssText, HslAndOklchTextsReadBackToTheSameColour)
{
    int failures = 0;
    const auto check = [&](ColorValue c) {
        double h = -1, s = -1, l = -1;
        const std::string hsl = CssHslText(c);
        ASSERT_EQ(std::sscanf(hsl.c_str(), "hsl(%lf %lf%% %lf%%)", &h, &s, &l), 3) << hsl;
        ASSERT_TRUE(h >= 0 && h < 360 && s >= 0 && s <= 100 && l >= 0 && l <= 100) << hsl;
        double L = -1, C = -1, H = -1;
        const std::string oklch = CssOklchText(c);
        ASSERT_EQ(std::sscanf(oklch.c_str(), "oklch(%lf %lf %lf)", &L, &C, &H), 3) << oklch;
        ASSERT_TRUE(H >= 0 && H < 360) << oklch;
        const ColorValue fromHsl = HslToRgb(h / 360, s / 100, l / 100);
        const ColorValue fromOklch = OklabToColor(FromOklch({ L, C, H }));
        if ((fromHsl != c || fromOklch != c) && ++failures <= 5)
            ADD_FAILURE() << HexText(c) << ' ' << hsl << " -> " << HexText(fromHsl) << ", " << oklch << " -> "
                          << HexText(fromOklch);
    };
    for (int u = 0; u < 256; ++u)
        for (int v = u & 1; v < 256; v += 2)
            for (int face : { 0, 255 }) {
                check(Pack(face, u, v));
                check(Pack(u, face, v));
                check(Pack(u, v, face));
            }
    for (int r = 1; r < 255; r += 7)
        for (int g = 1; g < 255; g += 5)
            for (int b = 1; b < 255; b += 3)
                check(Pack(r, g, b));
    EXPECT_EQ(failures, 0);
}

} // namespace
