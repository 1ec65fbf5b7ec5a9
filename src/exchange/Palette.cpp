#include "Palette.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <span>

namespace {

Palette Named(QString title, std::initializer_list<const char*> names, std::span<const ColorValue> colors)
{
    Palette palette { std::move(title), {} };
    palette.entries.reserve(colors.size());
    auto name = names.begin();
    for (ColorValue color : colors)
        palette.entries.push_back({ QString::fromLatin1(*name++), color });
    return palette;
}

void Append(Palette& to, const Palette& from)
{
    to.entries.insert(to.entries.end(), from.entries.begin(), from.entries.end());
}

} // namespace

Palette SchemePalette(const std::array<ColorValue, 16>& scheme)
{
    // The inner variants go lighter from a dark or middling base and darker from a light one.
    const bool lighter = RgbToHsl(scheme[13]).l > RgbToHsl(scheme[0]).l;
    const QString title = QStringLiteral("Tintwell scheme %1").arg(QString::fromStdString(HashHexText(scheme[0])));
    if (lighter)
        return Named(title,
            { "Base", "Ring 1", "Ring 2", "Ring 3", "Ring 4", "Ring 5", "Ring 6 (opposite)", "Ring 7", "Ring 8",
                "Ring 9", "Ring 10", "Ring 11", "Base lighter", "Base lightest", "Opposite lighter",
                "Opposite lightest" },
            scheme);
    return Named(title,
        { "Base", "Ring 1", "Ring 2", "Ring 3", "Ring 4", "Ring 5", "Ring 6 (opposite)", "Ring 7", "Ring 8",
            "Ring 9", "Ring 10", "Ring 11", "Base darker", "Base darkest", "Opposite darker", "Opposite darkest" },
        scheme);
}

Palette PagePalette(const std::array<ColorValue, 9>& page)
{
    return Named(QStringLiteral("Tintwell page colors"),
        { "Page title text", "Table header text", "Body caption text", "Body text", "Link text", "Page background",
            "Table header background", "Navigation background", "Body background" },
        page);
}

Palette FavoritesPalette(std::vector<PaletteEntry> favorites)
{
    return { QStringLiteral("Tintwell favorites"), std::move(favorites) };
}

Palette BuildPalette(PaletteSet set, const PaletteSources& sources)
{
    switch (set) {
    case PaletteSet::Scheme:
        return SchemePalette(sources.scheme);
    case PaletteSet::Favorites:
        return FavoritesPalette(sources.favorites);
    case PaletteSet::Page:
        return PagePalette(sources.page);
    case PaletteSet::All:
        break;
    }
    Palette all { QStringLiteral("Tintwell palette"), {} };
    all.entries.reserve(16 + sources.favorites.size() + 9);
    Append(all, SchemePalette(sources.scheme));
    all.entries.insert(all.entries.end(), sources.favorites.begin(), sources.favorites.end());
    Append(all, PagePalette(sources.page));
    return all;
}

QString BoundedName(QString name, qsizetype maxBytes)
{
    if (name.size() * 3 <= maxBytes)
        return name;
    constexpr qsizetype kEllipsisBytes = 3;
    qsizetype bytes = 0;
    qsizetype fits = 0; // the units that leave room for the ellipsis
    for (qsizetype i = 0; i < name.size();) {
        const char16_t u = name[i].unicode();
        const bool pair = name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate();
        bytes += pair ? 4 : u < 0x80 ? 1 : u < 0x800 ? 2 : 3; // a lone half is written as U+FFFD
        i += pair ? 2 : 1;
        if (bytes <= maxBytes - kEllipsisBytes)
            fits = i;
        if (bytes > maxBytes) {
            name.truncate(fits);
            return name + QChar(0x2026);
        }
    }
    return name;
}

QString DecodeFavoriteText(std::string_view text)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString decoded = utf8(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (!utf8.hasError())
        return decoded;
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

PaletteEntry FavoriteEntry(std::string_view text, ColorValue color)
{
    return { DecodeFavoriteText(text), color };
}

std::string FavoriteText(const PaletteEntry& entry)
{
    if (entry.name.isEmpty())
        return HashHexText(entry.color);
    return entry.name.toStdString();
}

QString PaletteMessage(const char* sentence)
{
    return QCoreApplication::translate("PaletteFiles", sentence);
}
