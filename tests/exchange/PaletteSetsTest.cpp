#include "color/Scheme.h"
#include "exchange/Palette.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Names(const Palette& palette)
{
    std::vector<std::string> names;
    for (const PaletteEntry& entry : palette.entries)
        names.push_back(entry.name.toStdString());
    return names;
}

TEST(PaletteSets, TheSchemeNamesItsVariantsByTheWayTheyGo)
{
    const struct {
        ColorValue base;
        const char* variants[4];
    } cases[] = {
        { Pack(0xB4, 0x82, 0x46), { "Base lighter", "Base lightest", "Opposite lighter", "Opposite lightest" } },
        { Pack(0, 0, 0), { "Base lighter", "Base lightest", "Opposite lighter", "Opposite lightest" } },
        { Pack(255, 255, 255), { "Base darker", "Base darkest", "Opposite darker", "Opposite darkest" } },
        { Pack(0xF0, 0xE0, 0xD0), { "Base darker", "Base darkest", "Opposite darker", "Opposite darkest" } },
    };
    for (const auto& c : cases) {
        for (WheelMode mode : { WheelMode::Traditional, WheelMode::Computer }) {
            const SchemeColorArray scheme = ComputeScheme(c.base, mode);
            const Palette palette = SchemePalette(scheme);
            ASSERT_EQ(palette.entries.size(), 16u);
            for (std::size_t i = 0; i < 16; ++i)
                EXPECT_EQ(palette.entries[i].color, scheme[i]);
            const std::vector<std::string> names = Names(palette);
            EXPECT_EQ(names[0], "Base");
            EXPECT_EQ(names[6], "Ring 6 (opposite)");
            EXPECT_EQ(names[11], "Ring 11");
            for (int v = 0; v < 4; ++v)
                EXPECT_EQ(names[12 + v], c.variants[v]) << HexText(c.base);
            EXPECT_EQ(palette.title.toStdString(), "Tintwell scheme " + HashHexText(scheme[0]));
        }
    }
}

TEST(PaletteSets, AllIsTheSchemeThenTheFavoritesThenThePage)
{
    PaletteSources sources;
    sources.scheme = ComputeRgbScheme(Pack(10, 20, 30));
    sources.favorites = { FavoriteEntry("#112233", Pack(0x11, 0x22, 0x33)), FavoriteEntry("mine", 5) };
    for (std::size_t i = 0; i < sources.page.size(); ++i)
        sources.page[i] = static_cast<ColorValue>(i);
    const Palette page = BuildPalette(PaletteSet::Page, sources);
    EXPECT_EQ(Names(page),
        (std::vector<std::string> { "Page title text", "Table header text", "Body caption text", "Body text", "Link text",
            "Page background", "Table header background", "Navigation background", "Body background" }));
    EXPECT_EQ(page.entries[8].color, 8u);
    EXPECT_EQ(BuildPalette(PaletteSet::Favorites, sources).entries, sources.favorites);

    const Palette all = BuildPalette(PaletteSet::All, sources);
    ASSERT_EQ(all.entries.size(), 16u + 2u + 9u);
    EXPECT_EQ(all.entries[0], BuildPalette(PaletteSet::Scheme, sources).entries[0]);
    EXPECT_EQ(all.entries[17].name, QStringLiteral("mine"));
    EXPECT_EQ(all.entries[18], page.entries[0]);
}

TEST(PaletteSets, FavoriteTextsDecodeAsUtf8ElseLatin1AndComeBackAsUtf8)
{
    const struct {
        std::string text;
        const char16_t* name;
    } cases[] = {
        { "#336699", u"#336699" },
        { "caf\xC3\xA9 \xF0\x9F\x98\x80", u"café 😀" },
        { "caf\xE9", u"café" },             // an 8-bit text from an older file
        { "\xC3\x28", u"\u00C3(" },          // broken UTF-8: every byte kept
    };
    for (const auto& c : cases) {
        const PaletteEntry entry = FavoriteEntry(c.text, 1);
        EXPECT_EQ(entry.name, QString::fromUtf16(c.name)) << c.text;
        EXPECT_EQ(DecodeFavoriteText(FavoriteText(entry)), entry.name) << c.text;
    }
    EXPECT_EQ(FavoriteText({ QString(), Pack(0x12, 0xAB, 0) }), "#12AB00");
}

} // namespace
