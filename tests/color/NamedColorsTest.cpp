#include "color/NamedColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(NamedColors, TheKeywordListIsWholeSortedAndDistinct)
{
    std::set<std::string_view> names;
    std::set<ColorValue> values;
    std::string_view previous;
    for (const NamedColor& named : NamedColors()) {
        EXPECT_LT(previous, named.name);
        previous = named.name;
        names.insert(named.name);
        values.insert(named.value);
        EXPECT_EQ(named.value >> 24, 0u) << named.name;
    }
    EXPECT_EQ(names.size(), 148u);
    EXPECT_EQ(values.size(), 139u);
}

TEST(NamedColors, FindsKeywordsIgnoringCase)
{
    struct Case {
        const char* name;
        std::optional<ColorValue> value;
    };
    const Case cases[] = {
        { "red", Pack(255, 0, 0) },
        { "RebeccaPurple", Pack(0x66, 0x33, 0x99) },
        { "DARKGREY", Pack(0xA9, 0xA9, 0xA9) },
        { "darkgray", Pack(0xA9, 0xA9, 0xA9) },
        { "lightgoldenrodyellow", Pack(0xFA, 0xFA, 0xD2) },
        { "yellowgreen", Pack(0x9A, 0xCD, 0x32) },
        { "aliceblue", Pack(0xF0, 0xF8, 0xFF) },
        { "transparent", std::nullopt },
        { "red ", std::nullopt },
        { "", std::nullopt },
        { "re", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindNamedColor(c.name), c.value) << '"' << c.name << '"';
}

TEST(NamedColors, NearestByOklabWithExactHitsAndAlphabeticalTies)
{
    struct Case {
        ColorValue color;
        const char* name;
        bool exact;
    };
    const Case cases[] = {
        { Pack(0, 255, 255), "aqua", true }, // also cyan
        { Pack(255, 0, 255), "fuchsia", true }, // also magenta
        { Pack(128, 128, 128), "gray", true }, // also grey
        { Pack(0x2F, 0x4F, 0x4F), "darkslategray", true },
        { Pack(0xFE, 0, 0), "red", false },
        { Pack(0, 0, 0x70), "navy", false },
        { Pack(0x65, 0x33, 0x99), "rebeccapurple", false },
        { Pack(0xFF, 0xFF, 0xFE), "white", false },
        { Pack(1, 1, 1), "black", false },
        { Pack(0xB4, 0x82, 0x46), "darkgoldenrod", false },
    };
    for (const Case& c : cases) {
        const NamedColorMatch match = NearestNamedColor(c.color);
        EXPECT_EQ(match.color.name, c.name) << HexText(c.color);
        EXPECT_EQ(match.exact, c.exact) << HexText(c.color);
    }
    // Every keyword's own colour names itself, or the alphabetically first keyword sharing it.
    for (const NamedColor& named : NamedColors()) {
        const NamedColorMatch match = NearestNamedColor(named.value);
        EXPECT_TRUE(match.exact);
        EXPECT_EQ(match.color.value, named.value);
        EXPECT_LE(match.color.name, named.name);
    }
}

} // namespace
