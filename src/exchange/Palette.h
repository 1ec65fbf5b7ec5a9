#pragma once

// A palette as the exchange formats carry it: an ordered list of named colours and a title. It is the one
// value every writer takes and every reader gives back, so the windows never deal with a format's details.

#include "color/Color.h"

#include <QString>

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

struct PaletteEntry {
    QString name; // any text, possibly empty
    ColorValue color = 0;
    bool operator==(const PaletteEntry&) const = default;
};

struct Palette {
    QString title; // empty when the file names none; the caller may then use the file's name
    std::vector<PaletteEntry> entries;
    bool operator==(const Palette&) const = default;
};

// As many colours as a scheme file can hold favourites: a palette that could not be saved as favourites
// afterwards is refused both ways.
inline constexpr std::size_t kMaxPaletteColors = 65535;

// Far more than 65535 colours with long names take in the most verbose format; a larger file is refused
// before it is read.
inline constexpr qint64 kMaxPaletteFileBytes = 32 * 1024 * 1024;

// The most a name or a title read from a file keeps, in bytes of UTF-8: 65535 favourites with names this long
// still make a scheme file the program opens. A longer name is cut at a character and ends in an ellipsis, so
// the cut shows.
inline constexpr qsizetype kMaxNameBytes = 1000;
QString BoundedName(QString name, qsizetype maxBytes = kMaxNameBytes);

// The sets of colours the user can export.
enum class PaletteSet { Scheme, Favorites, Page, All };

struct PaletteSources {
    std::array<ColorValue, 16> scheme {};       // the sixteen scheme colours, index 0 the base
    std::vector<PaletteEntry> favorites;        // see FavoriteEntry
    std::array<ColorValue, 9> page {};          // the sample page's nine colours in their stored order
};

// The base and its ring, then the four inner variants, each named by its place in the scheme.
Palette SchemePalette(const std::array<ColorValue, 16>& scheme);
// The sample page's colours named by the part of the page they colour.
Palette PagePalette(const std::array<ColorValue, 9>& page);
Palette FavoritesPalette(std::vector<PaletteEntry> favorites);
// The chosen set; All is the scheme, then the favourites, then the page.
Palette BuildPalette(PaletteSet set, const PaletteSources& sources);

// A favourite's text is bytes: UTF-8 as this program writes it, or 8-bit text from older files, which is
// taken as Latin-1 so no byte is lost or replaced.
QString DecodeFavoriteText(std::string_view text);
PaletteEntry FavoriteEntry(std::string_view text, ColorValue color);
// The text an imported entry gets as a favourite: its name in UTF-8, or the colour's "#RRGGBB" when
// the file gave it no name.
std::string FavoriteText(const PaletteEntry& entry);

// The sentences the import and export commands show, each in a plain message box.
namespace PaletteMessages {
inline constexpr const char* kTooManyColors = QT_TRANSLATE_NOOP("PaletteFiles",
    "A palette file holds at most 65535 colors.  Choose fewer colors before exporting.");
inline constexpr const char* kTooManyInFile = QT_TRANSLATE_NOOP("PaletteFiles",
    "This palette holds more than 65535 colors, more than the favorites can keep.");
inline constexpr const char* kTooLarge = QT_TRANSLATE_NOOP("PaletteFiles",
    "This file is too large to be a palette (more than 32 MB).");
inline constexpr const char* kTooLargeToWrite = QT_TRANSLATE_NOOP("PaletteFiles",
    "This palette would take more than 32 MB, more than the program reads back.  Choose fewer colors before exporting.");
inline constexpr const char* kNoColors = QT_TRANSLATE_NOOP("PaletteFiles", "This file holds no colors.");
inline constexpr const char* kUnknownFormat = QT_TRANSLATE_NOOP("PaletteFiles",
    "This file is not a palette in any of the formats the program reads.");
} // namespace PaletteMessages
// One of the sentences above in the user's language.
QString PaletteMessage(const char* sentence);
