// Writes sample palettes in every format for the checks by other programs' readers (check_*.sh): for each
// sample NAME, NAME.<extension> for every format and NAME.expected, the colours in order as RRGGBB lines.

#include "color/Scheme.h"
#include "exchange/PaletteFormats.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

// Names that could break a writer's escaping, each short enough for readers that take at most 100 bytes a
// line (Python's GIMP palette reader).
Palette Awkward()
{
    const char* names[] = { "Base", "", "Say \"hi\" & <b>bold</b> 'too'", "*/ closes /* a comment */",
        "back\\slash \\2a \\\" not escapes", "Ümlaut café 青い 😀", "  padded  ", "line one\nline two\ttab",
        "bell\x07 and \x1f\x7f", "--tw-base: #000; } :root {", "// not a comment\\", "]]> <!-- --> </style>",
        "GIMP Palette", "12 34 56", "Base", "BASE!", "青", "\xE2\x80\xA8sep" };
    Palette palette { QStringLiteral("Awkward & \"quoted\" <title> */"), {} };
    int i = 0;
    for (const char* name : names) {
        palette.entries.push_back({ QString::fromUtf8(name), Pack(i * 37 + 1, 255 - i * 11, (i * 101) % 256) });
        ++i;
    }
    return palette;
}

Palette SchemeAndPage()
{
    PaletteSources sources;
    sources.scheme = ComputeRybScheme(Pack(0xB4, 0x82, 0x46));
    sources.favorites = { FavoriteEntry("#336699", Pack(0x33, 0x66, 0x99)), FavoriteEntry("caf\xE9", Pack(1, 2, 3)) };
    sources.page = { Pack(0, 0, 0), Pack(1, 1, 1), Pack(2, 2, 2), Pack(3, 3, 3), Pack(4, 4, 4), Pack(255, 255, 255),
        Pack(230, 230, 230), Pack(230, 230, 231), Pack(255, 255, 254) };
    return BuildPalette(PaletteSet::All, sources);
}

// As many colours as an 8-bit palette reader takes after a GIMP palette's three header lines.
Palette Many()
{
    Palette palette { QStringLiteral("Many"), {} };
    for (int i = 0; i < 253; ++i)
        palette.entries.push_back({ QStringLiteral("Color %1").arg(i), Pack(i, (i * 7) % 256, 255 - i) });
    return palette;
}

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const struct {
        const char* name;
        Palette palette;
    } samples[] = { { "awkward", Awkward() }, { "scheme", SchemeAndPage() }, { "many", Many() } };
    for (const auto& sample : samples) {
        const QString base = out.filePath(QString::fromLatin1(sample.name));
        QByteArray expected;
        for (const PaletteEntry& entry : sample.palette.entries)
            expected += QByteArray::fromStdString(HexText(entry.color)) + '\n';
        if (!Write(base + QStringLiteral(".expected"), expected))
            return 1;
        for (const PaletteFormatInfo& info : PaletteFormats()) {
            const PaletteExport exported = WritePalette(sample.palette, info.format);
            if (!exported.ok() || !Write(base + u'.' + QLatin1StringView(info.extension), exported.bytes))
                return 1;
        }
    }
    return 0;
}
