#include "ReferenceColors.h"

#include "color/Oklab.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// The XYZ to Oklab pairs of Ottosson's introduction of Oklab, given there to three decimals.
TEST(Oklab, MatchesOttossonsPublishedPairs)
{
    struct Pair {
        Xyz xyz;
        Oklab lab;
    };
    const Pair pairs[] = {
        { { 0.950, 1.000, 1.089 }, { 1.000, 0.000, 0.000 } },
        { { 1.000, 0.000, 0.000 }, { 0.450, 1.236, -0.019 } },
        { { 0.000, 1.000, 0.000 }, { 0.922, -0.671, 0.263 } },
        { { 0.000, 0.000, 1.000 }, { 0.153, -1.415, -0.449 } },
    };
    for (const Pair& p : pairs) {
        const Oklab lab = XyzToOklab(p.xyz);
        EXPECT_NEAR(lab.L, p.lab.L, 0.0005) << p.xyz.X << ' ' << p.xyz.Y << ' ' << p.xyz.Z;
        EXPECT_NEAR(lab.a, p.lab.a, 0.0005) << p.xyz.X << ' ' << p.xyz.Y << ' ' << p.xyz.Z;
        EXPECT_NEAR(lab.b, p.lab.b, 0.0005) << p.xyz.X << ' ' << p.xyz.Y << ' ' << p.xyz.Z;
    }
}

TEST(Oklab, MatchesAnIndependentComputation)
{
    for (const ReferenceColor& ref : ReferenceColors()) {
        const Oklab lab = ColorToOklab(FromWebHex(ref.rgb));
        EXPECT_NEAR(lab.L, ref.L, 1e-9) << std::hex << ref.rgb;
        EXPECT_NEAR(lab.a, ref.a, 1e-9) << std::hex << ref.rgb;
        EXPECT_NEAR(lab.b, ref.b, 1e-9) << std::hex << ref.rgb;
    }
}

TEST(Oklab, WhiteIsOneAndGreysHaveNoChroma)
{
    const Oklab white = ColorToOklab(Pack(255, 255, 255));
    EXPECT_NEAR(white.L, 1.0, 1e-9);
    for (int v = 0; v < 256; ++v) {
        const Oklch lch = ToOklch(ColorToOklab(Pack(v, v, v)));
        EXPECT_LT(lch.C, 1e-6) << v;
        EXPECT_EQ(lch.H, 0.0) << v;
    }
}

TEST(Oklab, PolarFormKeepsHueInRangeAndRoundTrips)
{
    const Oklab samples[] = { { 0.5, 0.1, 0.0 }, { 0.5, 0.0, 0.1 }, { 0.5, -0.1, 0.0 }, { 0.5, 0.0, -0.1 },
        { 0.7, 0.05, -1e-12 } };
    const double hues[] = { 0, 90, 180, 270, 360 - 1.1459e-9 };
    for (std::size_t i = 0; i < std::size(samples); ++i) {
        const Oklch lch = ToOklch(samples[i]);
        EXPECT_GE(lch.H, 0.0);
        EXPECT_LT(lch.H, 360.0);
        EXPECT_NEAR(lch.H, hues[i], 1e-12) << i;
        const Oklab back = FromOklch(lch);
        EXPECT_NEAR(back.a, samples[i].a, 1e-12);
        EXPECT_NEAR(back.b, samples[i].b, 1e-12);
    }
}

TEST(Oklab, ColoursComeBackThroughOklab)
{
    int failures = 0;
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; b += 1) {
                const ColorValue c = Pack(r, g, b);
                if (OklabToColor(ColorToOklab(c)) != c && ++failures <= 5)
                    ADD_FAILURE() << HexText(c);
            }
    EXPECT_EQ(failures, 0);
}

TEST(Oklab, OutOfGamutColoursClipPerChannel)
{
    EXPECT_EQ(OklabToColor({ 1.5, 0, 0 }), Pack(255, 255, 255));
    EXPECT_EQ(OklabToColor({ -0.2, 0, 0 }), Pack(0, 0, 0));
    // A green far beyond sRGB keeps its direction: green full, red and blue at their floor.
    EXPECT_EQ(OklabToColor({ 0.9, -0.6, 0.3 }), Pack(0, 255, 0));
}

} // namespace
