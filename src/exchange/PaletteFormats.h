#pragma once

// The palette file formats, their writers and their readers. Everything works on bytes: the caller reads
// the file whole (at most kMaxPaletteFileBytes) and writes it atomically.

#include "exchange/Palette.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <span>

enum class PaletteFormat { Gpl, Css, Scss, Json, Soc, Ase };

struct PaletteFormatInfo {
    PaletteFormat format;
    const char* filter;    // a file dialog's filter entry, "GIMP Palette (*.gpl)"
    const char* extension; // without the dot
};

// Every format, in the order a file dialog lists them; all can be written and read.
std::span<const PaletteFormatInfo> PaletteFormats();
const PaletteFormatInfo& FormatInfo(PaletteFormat format);

// File dialog filters: each format, and for opening one more entry first that shows every palette file.
QString PaletteExportFilter();
QString PaletteImportFilter();
// The format a dialog's chosen filter entry stands for; nothing for the "all palette files" entry.
std::optional<PaletteFormat> FormatForFilter(const QString& filter);
// A format's filter entry as the dialog shows it, in the user's language.
QString FilterText(const PaletteFormatInfo& format);
// The format a file is in: by its extension, else by its first bytes.
std::optional<PaletteFormat> DetectPaletteFormat(const QString& fileName, const QByteArray& bytes);

struct PaletteExport {
    QByteArray bytes;
    QString message; // empty when the palette was written; else the sentence to show
    bool ok() const { return message.isEmpty(); }
};

// Refuses a palette of more than kMaxPaletteColors or a file larger than kMaxPaletteFileBytes, as reading
// does; names a format cannot carry as they are are adapted (see docs/palette-formats.md).
PaletteExport WritePalette(const Palette& palette, PaletteFormat format);

struct PaletteImport {
    Palette palette;  // meaningful only when ok()
    QString message;  // empty when read; else the sentence to show, naming the line or colour at fault
    bool ok() const { return message.isEmpty(); }
};

// Checks the whole input before returning; a palette comes back only when every colour in it was read.
PaletteImport ReadPalette(const QByteArray& bytes, PaletteFormat format);
