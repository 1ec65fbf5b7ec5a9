#pragma once

// Properties every palette file must keep, shared by the palette fuzzers and the corpus replay.

#include "FuzzChecks.h"
#include "exchange/PaletteFormats.h"

#include <algorithm>
#include <set>

// The name a format gives back for a favourite's text: GIMP palettes turn control characters into spaces,
// LibreOffice tables the characters XML cannot hold (and they number repeated names, checked on their own).
inline QString NameAfterTrip(const QString& name, PaletteFormat format)
{
    QString out = name;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        const bool lost = format == PaletteFormat::Gpl
            ? c.category() == QChar::Other_Control
            : format == PaletteFormat::Soc && ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF);
        if (lost)
            c = u' ';
    }
    return out;
}

// The whole way a palette file goes through the program: read, appended to the favourites as the Import command
// makes them, saved in a scheme that opens again and is no more than a small multiple of the file, exported in
// every format and read again with the same colours and names.
inline void CheckImportChain(const Palette& read, std::size_t fileBytes)
{
    FavColorList favorites;
    for (const PaletteEntry& entry : read.entries) {
        TFavColor fav = TFavColor::FromColor(entry.color);
        fav.Text = FavoriteText(entry);
        Require(static_cast<qsizetype>(fav.Text.size()) <= kMaxNameBytes || fav.Text == HashHexText(entry.color),
            "an imported name is bounded");
        favorites.push_back(std::move(fav));
    }
    SchemeData scheme;
    scheme.favorites = favorites;
    const EncodedScheme saved = EncodeScheme(scheme);
    Require(saved.status == EncodeStatus::Ok, "imported favourites can be saved");
    Require(saved.bytes.size() <= EncodedSchemeSize({}) + 16 * fileBytes, "a scheme is a small multiple of the file");
    const DecodedScheme opened = DecodeScheme(saved.bytes, VersionCheck::Required);
    Require(opened.status == DecodeStatus::Ok && opened.scheme == scheme, "a saved scheme opens as it was");

    std::vector<PaletteEntry> entries;
    for (const TFavColor& fav : favorites)
        entries.push_back(FavoriteEntry(fav.Text, fav.Color));
    const Palette exported = FavoritesPalette(entries);
    for (const PaletteFormatInfo& info : PaletteFormats()) {
        const PaletteExport file = WritePalette(exported, info.format);
        Require(file.ok(), "imported favourites export in every format");
        const PaletteImport back = ReadPalette(file.bytes, info.format);
        Require(back.ok() && back.palette.entries.size() == entries.size(), "an export reads back whole");
        std::set<QString> seen;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const QString& name = back.palette.entries[i].name;
            const QString expected = NameAfterTrip(entries[i].name, info.format);
            Require(back.palette.entries[i].color == entries[i].color, "an export keeps every colour");
            if (info.format != PaletteFormat::Soc) {
                Require(name == expected, "an export keeps every name");
                continue;
            }
            Require(!name.isEmpty() && seen.insert(name).second, "a LibreOffice table's names are its own");
            Require(name == expected || name.startsWith(expected + QStringLiteral(" (")),
                "a LibreOffice table keeps every name, numbering the repeated ones");
        }
    }
}

// Whatever a reader accepts is a palette the favourites can take, and writes back to a file that reads as
// the same palette (a LibreOffice table's names made its own first).
inline bool CheckPaletteBytes(std::string_view bytes, PaletteFormat format)
{
    const PaletteImport read = ReadPalette(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), format);
    if (!read.ok())
        return false;
    const auto& entries = read.palette.entries;
    Require(!entries.empty() && entries.size() <= kMaxPaletteColors, "an accepted palette holds 1 to 65535 colors");
    for (const PaletteEntry& entry : entries)
        Require((entry.color >> 24) == 0, "colors are packed colors");
    const PaletteExport again = WritePalette(read.palette, format);
    Require(again.ok(), "an accepted palette can be written");
    const PaletteImport reread = ReadPalette(again.bytes, format);
    Require(reread.ok(), "a written palette reads back");
    if (format == PaletteFormat::Soc)
        Require(WritePalette(reread.palette, format).bytes == again.bytes, "a written table writes back the same");
    else
        Require(reread.palette == read.palette, "a written palette reads back as it was");
    CheckImportChain(read.palette, bytes.size());
    return true;
}
