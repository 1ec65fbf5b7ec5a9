// GIMP palettes (.gpl), read by GIMP, Inkscape, Krita and Aseprite: a header line, "Name:" and "Columns:",
// comments, then one "R G B<TAB>name" line per colour, the numbers right-aligned in three columns as GIMP
// writes them.

#include "PaletteCodecs.h"


namespace PaletteCodecs {

namespace {

constexpr QLatin1StringView kHeader("GIMP Palette");
// Older GIMP and Inkscape read a line into a 1 KiB buffer, so a longer name would be cut into a bogus
// second line there: the bound on every name read keeps one within it.
static_assert(kMaxNameBytes <= 1000);

// A line holds no tab or other control character: those become spaces.
QString OneLine(QStringView text)
{
    QString line = text.toString();
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return line;
}

// What a name can be in a GIMP palette: one line, of a length older readers take whole. Reading gives the same,
// so a palette read from a file writes back unchanged.
QString GplName(QStringView text)
{
    return BoundedName(OneLine(text));
}

void PutChannel(QByteArray& out, int value)
{
    char digits[3] = { ' ', ' ', ' ' };
    int at = 2;
    do {
        digits[at--] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    out.append(digits, 3);
}

// "Key:" at the start of a line, as "Columns:" is.
bool IsHeaderField(QStringView line)
{
    qsizetype at = 0;
    while (at < line.size() && (line[at].isLetterOrNumber() || line[at] == u'_'))
        ++at;
    return at > 0 && at < line.size() && line[at] == u':';
}

// "R G B", then the name after a tab or other blanks; a leading tab belongs to the layout, so a name may
// begin with spaces.
bool ParseColorLine(QStringView line, PaletteEntry& entry)
{
    int channels[3];
    qsizetype at = 0;
    for (int& channel : channels) {
        while (at < line.size() && (line[at] == u' ' || line[at] == u'\t'))
            ++at;
        const qsizetype start = at;
        while (at < line.size() && line[at].isDigit() && line[at].unicode() < 128)
            ++at;
        if (at == start || at - start > 3)
            return false;
        channel = line.sliced(start, at - start).toInt();
        if (channel > 255)
            return false;
    }
    if (at < line.size()) {
        if (line[at] == u'\t')
            ++at;
        else if (line[at] == u' ')
            while (at < line.size() && line[at] == u' ')
                ++at;
        else
            return false;
    }
    entry = { GplName(line.sliced(at)), Pack(channels[0], channels[1], channels[2]) };
    return true;
}

} // namespace

QByteArray WriteGpl(const Palette& palette)
{
    QByteArray out;
    out.reserve(64 + static_cast<qsizetype>(palette.entries.size()) * 24);
    out += "GIMP Palette\nName: ";
    out += GplName(palette.title).toUtf8();
    out += "\nColumns: 4\n#\n";
    for (const PaletteEntry& entry : palette.entries) {
        PutChannel(out, Red(entry.color));
        out += ' ';
        PutChannel(out, Green(entry.color));
        out += ' ';
        PutChannel(out, Blue(entry.color));
        out += '\t';
        out += GplName(entry.name).toUtf8();
        out += '\n';
    }
    return out;
}

PaletteImport ReadGpl(const QByteArray& bytes)
{
    const QString text = DecodeText(bytes);
    EntryCollector collected;
    qint64 number = 0;
    qsizetype at = 0;
    while (const std::optional<QStringView> next = NextLine(text, at)) {
        const QStringView line = *next;
        ++number;
        if (number == 1) {
            if (line.trimmed() != kHeader)
                return Failure(PaletteFiles::tr("This is not a GIMP palette: its first line is not \"GIMP Palette\"."));
            continue;
        }
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        if (line.startsWith(QLatin1StringView("Name:"))) {
            if (collected.palette.title.isEmpty())
                collected.palette.title = BoundedName(OneLine(line.sliced(5)).trimmed());
            continue;
        }
        PaletteEntry entry;
        if (!ParseColorLine(line, entry)) {
            if (IsHeaderField(line))
                continue; // "Columns:" and fields newer programs may add
            return LineFailure(number,
                PaletteFiles::tr("\"%1\" is not a color: a color line holds red, green and blue, each 0 to 255, "
                               "then the color's name.")
                    .arg(Excerpt(line)));
        }
        if (!collected.Add(std::move(entry)))
            return Failure(TooManyMessage());
    }
    return Finished(std::move(collected.palette));
}

} // namespace PaletteCodecs
