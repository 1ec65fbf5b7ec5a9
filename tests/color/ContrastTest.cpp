#include "color/Contrast.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Contrast, WcagReferenceValues)
{
    struct Case {
        ColorValue foreground;
        ColorValue background;
        const char* shown;
        ContrastGrade normal;
        ContrastGrade large;
    };
    const ColorValue white = Pack(255, 255, 255);
    const Case cases[] = {
        { Pack(0, 0, 0), white, "21:1", ContrastGrade::AAA, ContrastGrade::AAA },
        { Pack(0x76, 0x76, 0x76), white, "4.54:1", ContrastGrade::AA, ContrastGrade::AAA },
        { Pack(0x77, 0x77, 0x77), white, "4.48:1", ContrastGrade::Fail, ContrastGrade::AA },
        { white, white, "1:1", ContrastGrade::Fail, ContrastGrade::Fail },
        { Pack(255, 0, 0), white, "4:1", ContrastGrade::Fail, ContrastGrade::AA },
        { Pack(0, 0, 255), Pack(0, 0, 0), "2.44:1", ContrastGrade::Fail, ContrastGrade::Fail },
    };
    for (const Case& c : cases) {
        const double ratio = ContrastRatio(c.foreground, c.background);
        EXPECT_DOUBLE_EQ(ratio, ContrastRatio(c.background, c.foreground));
        EXPECT_EQ(ContrastText(ratio), c.shown) << HexText(c.foreground);
        EXPECT_EQ(GradeContrast(ratio, TextSize::Normal), c.normal) << HexText(c.foreground);
        EXPECT_EQ(GradeContrast(ratio, TextSize::Large), c.large) << HexText(c.foreground);
    }
    EXPECT_DOUBLE_EQ(RelativeLuminance(white), 1.0);
    EXPECT_EQ(RelativeLuminance(Pack(0, 0, 0)), 0.0);
}

// A ratio just below a threshold never shows as the threshold: the figure shown and the grade agree.
TEST(Contrast, ShownFigureNeverRoundsOntoAThresholdItMisses)
{
    struct Case {
        double ratio;
        int hundredths;
    };
    const Case cases[] = { { 4.499, 449 }, { 4.4951, 449 }, { 4.5, 450 }, { 4.504, 450 }, { 2.996, 299 },
        { 6.9999, 699 }, { 7.0, 700 }, { 4.494, 449 }, { 4.476, 448 }, { 3.006, 301 },
        { 21.0, 2100 } };
    for (const Case& c : cases)
        EXPECT_EQ(ContrastHundredths(c.ratio), c.hundredths) << c.ratio;
    EXPECT_EQ(ContrastText(4.499), "4.49:1");
    EXPECT_EQ(ContrastText(4.5), "4.5:1");
}

TEST(Contrast, GradeBoundariesAreInclusive)
{
    struct Case {
        double ratio;
        ContrastGrade normal;
        ContrastGrade large;
    };
    const Case cases[] = {
        { 2.999, ContrastGrade::Fail, ContrastGrade::Fail },
        { 3.0, ContrastGrade::Fail, ContrastGrade::AA },
        { 4.4999, ContrastGrade::Fail, ContrastGrade::AA },
        { 4.5, ContrastGrade::AA, ContrastGrade::AAA },
        { 6.9999, ContrastGrade::AA, ContrastGrade::AAA },
        { 7.0, ContrastGrade::AAA, ContrastGrade::AAA },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GradeContrast(c.ratio, TextSize::Normal), c.normal) << c.ratio;
        EXPECT_EQ(GradeContrast(c.ratio, TextSize::Large), c.large) << c.ratio;
    }
    EXPECT_STREQ(ContrastGradeText(ContrastGrade::AAA), "AAA");
    EXPECT_STREQ(ContrastGradeText(ContrastGrade::Fail), "Fail");
}

// WCAG 2.0 and 2.1 print 0.03928 as the end of the straight segment; for 8-bit channels that gives the same
// luminance as the sRGB 0.04045 used here.
TEST(Contrast, WcagPrintedThresholdGivesTheSameLuminance)
{
    const auto wcag = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    for (int v = 0; v < 256; ++v) {
        const double expected = 0.2126 * wcag(v) + 0.7152 * wcag(0) + 0.0722 * wcag(255 - v);
        EXPECT_DOUBLE_EQ(RelativeLuminance(Pack(v, 0, 255 - v)), expected) << v;
    }
}

} // namespace

namespace {

TEST(Contrast, LargeTextIsEighteenPointsOrFourteenBold)
{
    struct Case {
        double pixels;
        bool bold;
        TextSize size;
    };
    const Case cases[] = {
        { 24, false, TextSize::Large }, { 23.9, false, TextSize::Normal }, { 18.67, true, TextSize::Large },
        { 18.6, true, TextSize::Normal }, { 18.67, false, TextSize::Normal }, { 16, true, TextSize::Normal },
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextSizeOfPixels(c.pixels, c.bold), c.size) << c.pixels << (c.bold ? " bold" : "");
}

} // namespace
