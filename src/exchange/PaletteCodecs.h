#pragma once

// What the format table dispatches to, and the pieces the readers share. Internal to the exchange module.

#include "exchange/PaletteFormats.h"

#include <QCoreApplication>
#include <QStringView>

#include <optional>

namespace PaletteCodecs {

QByteArray WriteGpl(const Palette& palette);
QByteArray WriteCss(const Palette& palette);
QByteArray WriteScss(const Palette& palette);
QByteArray WriteJson(const Palette& palette);
QByteArray WriteSoc(const Palette& palette);
QByteArray WriteAse(const Palette& palette);

PaletteImport ReadGpl(const QByteArray& bytes);
PaletteImport ReadCss(const QByteArray& bytes);
PaletteImport ReadScss(const QByteArray& bytes);
PaletteImport ReadJson(const QByteArray& bytes);
PaletteImport ReadSoc(const QByteArray& bytes);
PaletteImport ReadAse(const QByteArray& bytes);

// A text file's characters: UTF-8 without its byte-order mark, or Latin-1 when it is not valid UTF-8.
QString DecodeText(const QByteArray& bytes);

// "#RRGGBB" in either case to its colour; nothing for anything else.
std::optional<ColorValue> HashHexColor(QStringView text);

// A piece of the file for a message: at most a few dozen characters, control characters shown as spaces.
QString Excerpt(QStringView text);

// The readers' messages are shown to the user, in the user's language: PaletteFiles::tr("...").
class PaletteFiles {
    Q_DECLARE_TR_FUNCTIONS(PaletteFiles)
};

PaletteImport Failure(const QString& message);
// "Line 7: <what>"
PaletteImport LineFailure(qint64 line, const QString& what);

// The line that starts at at, which then moves past its end (LF, CR LF or a lone CR); nothing once the text is
// used up. A text ending in a line break ends with an empty line.
std::optional<QStringView> NextLine(QStringView text, qsizetype& at);

// The readers' end: refuses a palette with no colours, or more than the favourites can keep; cuts names and the
// title to BoundedName.
PaletteImport Finished(Palette palette);

// Collects entries and notices as soon as there are more than a palette may hold, so a huge file is not read on.
class EntryCollector {
public:
    Palette palette;
    // False once the palette holds one colour more than allowed.
    bool Add(PaletteEntry entry);
};

QString TooManyMessage();

} // namespace PaletteCodecs
