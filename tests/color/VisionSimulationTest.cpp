#include "ReferenceColors.h"

#include "color/VisionSimulation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

int LargestChannelStep(ColorValue a, ColorValue b)
{
    return std::max({ std::abs(Red(a) - Red(b)), std::abs(Green(a) - Green(b)), std::abs(Blue(a) - Blue(b)) });
}

// Within one step per channel of the independent computation, for every mode.
TEST(VisionSimulation, MatchesIndependentReference)
{
    struct Mode {
        VisionMode mode;
        std::uint32_t ReferenceColor::*expected;
    };
    const Mode modes[] = {
        { VisionMode::Protanopia, &ReferenceColor::protanopia },
        { VisionMode::Deuteranopia, &ReferenceColor::deuteranopia },
        { VisionMode::Tritanopia, &ReferenceColor::tritanopia },
        { VisionMode::Achromatopsia, &ReferenceColor::achromatopsia },
    };
    for (const Mode& m : modes) {
        int worst = 0;
        for (const ReferenceColor& ref : ReferenceColors()) {
            const ColorValue seen = SimulateVision(FromWebHex(ref.rgb), m.mode);
            const ColorValue expected = FromWebHex(ref.*(m.expected));
            worst = std::max(worst, LargestChannelStep(seen, expected));
            EXPECT_LE(LargestChannelStep(seen, expected), 1)
                << VisionModeName(m.mode) << ' ' << HexText(FromWebHex(ref.rgb)) << " gave " << HexText(seen)
                << ", expected " << HexText(expected);
        }
        RecordProperty(std::string("worst_") + VisionModeName(m.mode), worst);
    }
}

TEST(VisionSimulation, GreysStayAndNormalChangesNothing)
{
    for (const VisionModeInfo& info : VisionModes())
        for (int v = 0; v < 256; ++v)
            EXPECT_EQ(SimulateVision(Pack(v, v, v), info.mode), Pack(v, v, v)) << info.name << ' ' << v;
    for (ColorValue c : { Pack(255, 0, 0), Pack(12, 200, 99), Pack(1, 2, 3) })
        EXPECT_EQ(SimulateVision(c, VisionMode::Normal), c);
}

TEST(VisionSimulation, PixelsGiveWhatSingleColoursGiveAndKeepAlpha)
{
    std::vector<std::uint32_t> pixels;
    std::uint32_t seed = 16;
    for (int i = 0; i < 4000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        // Runs of one colour between changes, as painted windows have them, and every alpha.
        const std::uint32_t rgb = (i % 7 < 3 && !pixels.empty()) ? pixels.back() & 0xFFFFFF : seed >> 8;
        pixels.push_back(static_cast<std::uint32_t>(i & 0xFF) << 24 | rgb);
    }
    for (const VisionModeInfo& info : VisionModes()) {
        std::vector<std::uint32_t> seen = pixels;
        SimulateVisionOnPixels(seen.data(), seen.size(), info.mode);
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            const std::uint32_t p = pixels[i];
            const ColorValue expected
                = SimulateVision(Pack(static_cast<int>(p >> 16), static_cast<int>(p >> 8), static_cast<int>(p)), info.mode);
            const std::uint32_t expectedPixel = (p & 0xFF000000u) | static_cast<std::uint32_t>(Red(expected)) << 16
                | static_cast<std::uint32_t>(Green(expected)) << 8 | static_cast<std::uint32_t>(Blue(expected));
            ASSERT_EQ(seen[i], expectedPixel) << info.name << " pixel " << i;
        }
    }
    SimulateVisionOnPixels(nullptr, 0, VisionMode::Tritanopia); // an empty picture is fine
}

TEST(VisionSimulation, ModesInMenuOrder)
{
    const char* names[] = { "Normal", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia" };
    ASSERT_EQ(VisionModes().size(), std::size(names));
    for (std::size_t i = 0; i < std::size(names); ++i) {
        EXPECT_STREQ(VisionModes()[i].name, names[i]);
        EXPECT_STREQ(VisionModeName(VisionModes()[i].mode), names[i]);
    }
}

} // namespace
