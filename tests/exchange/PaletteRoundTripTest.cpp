#include "exchange/PaletteCodecs.h"
#include "exchange/PaletteFormats.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Names that break a careless writer. A format that cannot carry a character gets the name it can: GIMP
// palettes hold one line per colour and no control characters; XML cannot hold most control characters.
struct AwkwardName {
    const char* name;
    const char* inGpl = nullptr; // nullptr: kept as it is
    const char* inSoc = nullptr;
};

const AwkwardName kNames[] = {
    { "Base" },
    // LibreOffice keeps one colour per name: an empty one becomes the colour's, a repeated one is numbered.
    { "", nullptr, "#25F465" },
    { "Base", nullptr, "Base (2)" },
    { "%1 and %2" },
    { "%1 and %2", nullptr, "%1 and %2 (2)" },
    { "\xEF\xBB\xBF" "BOM first" },
    { "Say \"hi\" & <b>bold</b> 'too'" },
    { "*/ closes /* a comment */" },
    { "back\\slash \\2a \\\" not escapes" },
    { "Ümlaut café 青い 😀 ﬁ" },
    { "  leading and trailing  " },
    { "line one\nline two\r\n\ttabbed", "line one line two   tabbed" },
    { "bell\x07 and \x1f\x7f", "bell  and   ", "bell  and  \x7f" },
    { "--tw-base: #000; } :root {" },
    { "// not a comment\\" },
    { "]]> <!-- -->" },
    { "GIMP Palette" },
    { "12 34 56\tname", "12 34 56 name" },
    { "\xE2\x80\xA8separator\xE2\x80\xA9" },
};

QString Utf8(const char* text)
{
    return QString::fromUtf8(text);
}

Palette AwkwardPalette()
{
    Palette palette { QStringLiteral("Mine & \"yours\" <3 */"), {} };
    int i = 0;
    for (const AwkwardName& n : kNames) {
        palette.entries.push_back({ Utf8(n.name), Pack(i * 37, 255 - i * 11, (i * 101) % 256) });
        ++i;
    }
    return palette;
}

QString ExpectedName(PaletteFormat format, const AwkwardName& n)
{
    if (format == PaletteFormat::Gpl && n.inGpl)
        return Utf8(n.inGpl);
    if (format == PaletteFormat::Soc && n.inSoc)
        return Utf8(n.inSoc);
    return Utf8(n.name);
}

bool KeepsTitle(PaletteFormat format)
{
    return format != PaletteFormat::Soc && format != PaletteFormat::Ase;
}

class EveryFormat : public testing::TestWithParam<PaletteFormatInfo> {};

TEST_P(EveryFormat, GivesBackTheColoursAndNamesItWrote)
{
    const PaletteFormat format = GetParam().format;
    const Palette written = AwkwardPalette();
    const PaletteExport exported = WritePalette(written, format);
    ASSERT_TRUE(exported.ok()) << exported.message.toStdString();
    const PaletteImport imported = ReadPalette(exported.bytes, format);
    ASSERT_TRUE(imported.ok()) << imported.message.toStdString();
    ASSERT_EQ(imported.palette.entries.size(), written.entries.size());
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        EXPECT_EQ(imported.palette.entries[i].color, written.entries[i].color) << i;
        EXPECT_EQ(imported.palette.entries[i].name, ExpectedName(format, kNames[i])) << i;
    }
    EXPECT_EQ(imported.palette.title, KeepsTitle(format) ? written.title : QString());
    // What was read writes back to the same bytes: nothing drifts on a second trip.
    EXPECT_EQ(WritePalette(imported.palette, format).bytes, exported.bytes);
}

TEST_P(EveryFormat, CutsAnOverlongNameOrTitleVisiblyAndOnlyOnce)
{
    const PaletteFormat format = GetParam().format;
    const QString longName = QString(3000, QChar(0xE9)) + QStringLiteral("end");
    const Palette written { QString(2000, u'T'), { { longName, Pack(1, 2, 3) }, { QStringLiteral("short"), 0 } } };
    const PaletteImport imported = ReadPalette(WritePalette(written, format).bytes, format);
    ASSERT_TRUE(imported.ok()) << imported.message.toStdString();
    const QString name = imported.palette.entries[0].name;
    EXPECT_TRUE(name.endsWith(QChar(0x2026))) << "a cut shows";
    EXPECT_LE(name.toUtf8().size(), kMaxNameBytes);
    EXPECT_GT(name.toUtf8().size(), kMaxNameBytes - 4);
    EXPECT_TRUE(longName.startsWith(name.chopped(1)));
    EXPECT_EQ(imported.palette.entries[1].name, QStringLiteral("short"));
    if (KeepsTitle(format)) {
        EXPECT_EQ(imported.palette.title, QString(kMaxNameBytes - 3, u'T') + QChar(0x2026));
    }
    const PaletteImport again = ReadPalette(WritePalette(imported.palette, format).bytes, format);
    EXPECT_EQ(again.palette, imported.palette);
}

TEST_P(EveryFormat, ReadsAsManyColoursAsFavoritesHoldAndNoMore)
{
    const PaletteFormat format = GetParam().format;
    using Writer = QByteArray (*)(const Palette&);
    const std::map<PaletteFormat, Writer> unchecked = { { PaletteFormat::Gpl, PaletteCodecs::WriteGpl },
        { PaletteFormat::Css, PaletteCodecs::WriteCss }, { PaletteFormat::Scss, PaletteCodecs::WriteScss },
        { PaletteFormat::Json, PaletteCodecs::WriteJson }, { PaletteFormat::Soc, PaletteCodecs::WriteSoc },
        { PaletteFormat::Ase, PaletteCodecs::WriteAse } };
    Palette full;
    for (std::size_t i = 0; i < kMaxPaletteColors; ++i)
        full.entries.push_back({ QString(), static_cast<ColorValue>(i * 0x10101 % 0x1000000) });
    const PaletteImport fits = ReadPalette(WritePalette(full, format).bytes, format);
    ASSERT_TRUE(fits.ok()) << fits.message.toStdString();
    EXPECT_EQ(fits.palette.entries.back().color, full.entries.back().color);

    full.entries.push_back({ QStringLiteral("one more"), 0 });
    EXPECT_EQ(WritePalette(full, format).message, QString::fromLatin1(PaletteMessages::kTooManyColors));
    EXPECT_EQ(ReadPalette(unchecked.at(format)(full), format).message, QString::fromLatin1(PaletteMessages::kTooManyInFile));
}

TEST_P(EveryFormat, RefusesAnEmptyFileAndOneWithoutColours)
{
    const PaletteFormat format = GetParam().format;
    EXPECT_FALSE(ReadPalette(QByteArray(), format).ok());
    const PaletteImport none = ReadPalette(WritePalette(Palette { QStringLiteral("empty"), {} }, format).bytes, format);
    EXPECT_EQ(none.message, QString::fromLatin1(PaletteMessages::kNoColors));
}

TEST_P(EveryFormat, NeitherReadsNorWritesAFileLargerThanAnyPalette)
{
    const QByteArray huge(kMaxPaletteFileBytes + 1, ' ');
    EXPECT_EQ(ReadPalette(huge, GetParam().format).message, QString::fromLatin1(PaletteMessages::kTooLarge));
    // Favourites opened from a scheme file may carry texts of any length.
    Palette longNames;
    longNames.entries.assign(kMaxPaletteColors, { QString(kMaxPaletteFileBytes / kMaxPaletteColors + 1, u'x'), 0 });
    const PaletteExport exported = WritePalette(longNames, GetParam().format);
    EXPECT_EQ(exported.message, QString::fromLatin1(PaletteMessages::kTooLargeToWrite));
    EXPECT_TRUE(exported.bytes.isEmpty());
}

TEST_P(EveryFormat, IsFoundByItsExtensionAndItsFilter)
{
    const PaletteFormatInfo& info = GetParam();
    EXPECT_EQ(DetectPaletteFormat(QStringLiteral("/a.b/Palette.") + QString::fromLatin1(info.extension).toUpper(), {}), info.format);
    EXPECT_EQ(FormatForFilter(QString::fromLatin1(info.filter)), info.format);
    EXPECT_TRUE(PaletteExportFilter().contains(QString::fromLatin1(info.filter)));
    EXPECT_TRUE(PaletteImportFilter().section(QStringLiteral(";;"), 0, 0).contains(QStringLiteral("*.") + QString::fromLatin1(info.extension)));
}

INSTANTIATE_TEST_SUITE_P(Palette, EveryFormat, testing::ValuesIn(PaletteFormats().begin(), PaletteFormats().end()),
    [](const testing::TestParamInfo<PaletteFormatInfo>& info) { return std::string(info.param.extension); });

TEST(DetectPaletteFormat, LooksAtTheContentWhenTheExtensionSaysNothing)
{
    const struct {
        const char* head;
        std::optional<PaletteFormat> format;
    } cases[] = {
        { "GIMP Palette\nName: x\n", PaletteFormat::Gpl },
        { "\xEF\xBB\xBFGIMP Palette\r\n", PaletteFormat::Gpl },
        { "ASEF\x00\x01", PaletteFormat::Ase },
        { "  <?xml version=\"1.0\"?>", PaletteFormat::Soc },
        { "\n{\"format\": 1}", PaletteFormat::Json },
        { ":root { --a: #fff; }", std::nullopt },
        { "", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(DetectPaletteFormat(QStringLiteral("colours.txt"), QByteArray(c.head)), c.format) << c.head;
}

} // namespace
