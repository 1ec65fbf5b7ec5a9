#include "PaletteFormats.h"

#include "PaletteCodecs.h"

#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <iterator>

namespace {

struct Codec {
    PaletteFormatInfo info;
    QByteArray (*write)(const Palette&);
    PaletteImport (*read)(const QByteArray&);
};

using namespace PaletteCodecs;

constexpr Codec kCodecs[] = {
    { { PaletteFormat::Gpl, QT_TRANSLATE_NOOP("PaletteFiles", "GIMP Palette (*.gpl)"), "gpl" }, WriteGpl, ReadGpl },
    { { PaletteFormat::Css, QT_TRANSLATE_NOOP("PaletteFiles", "CSS Custom Properties (*.css)"), "css" }, WriteCss, ReadCss },
    { { PaletteFormat::Scss, QT_TRANSLATE_NOOP("PaletteFiles", "SCSS Variables (*.scss)"), "scss" }, WriteScss, ReadScss },
    { { PaletteFormat::Json, QT_TRANSLATE_NOOP("PaletteFiles", "JSON Palette (*.json)"), "json" }, WriteJson, ReadJson },
    { { PaletteFormat::Soc, QT_TRANSLATE_NOOP("PaletteFiles", "LibreOffice Color Table (*.soc)"), "soc" }, WriteSoc, ReadSoc },
    { { PaletteFormat::Ase, QT_TRANSLATE_NOOP("PaletteFiles", "Adobe Swatch Exchange (*.ase)"), "ase" }, WriteAse, ReadAse },
};

const PaletteFormatInfo kInfos[] = { kCodecs[0].info, kCodecs[1].info, kCodecs[2].info, kCodecs[3].info,
    kCodecs[4].info, kCodecs[5].info };
static_assert(std::size(kInfos) == std::size(kCodecs));

const Codec& CodecFor(PaletteFormat format)
{
    return *std::find_if(std::begin(kCodecs), std::end(kCodecs), [&](const Codec& c) { return c.info.format == format; });
}

QString FormatFilters()
{
    QStringList filters;
    for (const PaletteFormatInfo& info : kInfos)
        filters += FilterText(info);
    return filters.join(QLatin1StringView(";;"));
}

} // namespace

QString FilterText(const PaletteFormatInfo& format)
{
    return PaletteFiles::tr(format.filter);
}

std::span<const PaletteFormatInfo> PaletteFormats()
{
    return kInfos;
}

const PaletteFormatInfo& FormatInfo(PaletteFormat format)
{
    return CodecFor(format).info;
}

QString PaletteExportFilter()
{
    return FormatFilters();
}

QString PaletteImportFilter()
{
    QStringList patterns;
    for (const PaletteFormatInfo& info : kInfos)
        patterns += QStringLiteral("*.") + QLatin1StringView(info.extension);
    return PaletteFiles::tr("All Palette Files (%1)").arg(patterns.join(u' ')) + QStringLiteral(";;") + FormatFilters();
}

std::optional<PaletteFormat> FormatForFilter(const QString& filter)
{
    for (const PaletteFormatInfo& info : kInfos)
        if (filter == FilterText(info))
            return info.format;
    return std::nullopt;
}

std::optional<PaletteFormat> DetectPaletteFormat(const QString& fileName, const QByteArray& bytes)
{
    const QString suffix = QFileInfo(fileName).suffix();
    for (const PaletteFormatInfo& info : kInfos)
        if (suffix.compare(QLatin1StringView(info.extension), Qt::CaseInsensitive) == 0)
            return info.format;
    QByteArrayView head = QByteArrayView(bytes).first(std::min<qsizetype>(bytes.size(), 4096));
    if (head.startsWith("\xEF\xBB\xBF"))
        head = head.sliced(3);
    head = head.trimmed();
    if (head.startsWith("ASEF"))
        return PaletteFormat::Ase;
    if (head.startsWith("GIMP Palette"))
        return PaletteFormat::Gpl;
    if (head.startsWith("<"))
        return PaletteFormat::Soc;
    if (head.startsWith("{"))
        return PaletteFormat::Json;
    return std::nullopt;
}

PaletteExport WritePalette(const Palette& palette, PaletteFormat format)
{
    if (palette.entries.size() > kMaxPaletteColors)
        return { {}, PaletteMessage(PaletteMessages::kTooManyColors) };
    QByteArray bytes = CodecFor(format).write(palette);
    // Nothing is written that the import would refuse.
    if (bytes.size() > kMaxPaletteFileBytes)
        return { {}, PaletteMessage(PaletteMessages::kTooLargeToWrite) };
    return { std::move(bytes), {} };
}

PaletteImport ReadPalette(const QByteArray& bytes, PaletteFormat format)
{
    if (bytes.size() > kMaxPaletteFileBytes)
        return Failure(PaletteMessage(PaletteMessages::kTooLarge));
    return CodecFor(format).read(bytes);
}
