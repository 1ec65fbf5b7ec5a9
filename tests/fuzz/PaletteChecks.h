#pragma once

// Properties every palette file must keep, shared by the palette fuzzers and the corpus replay.

#include "FuzzChecks.h"
#include "exchange/PaletteFormats.h"

// Whatever a reader accepts is a palette the favourites can take, and writes back to a file that reads as
// the same palette.
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
    Require(reread.ok() && reread.palette == read.palette, "a written palette reads back");
    return true;
}
