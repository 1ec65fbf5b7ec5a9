#include "PaletteCodecs.h"

#include <QStringDecoder>

namespace PaletteCodecs {

QString DecodeText(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = utf8(view);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(view);
}

std::optional<ColorValue> HashHexColor(QStringView text)
{
    if (text.size() != 7 || !text.startsWith(u'#'))
        return std::nullopt;
    int digits[6];
    for (int i = 0; i < 6; ++i) {
        if ((digits[i] = HexDigitValue(text[i + 1].unicode())) < 0)
            return std::nullopt;
    }
    return Pack(digits[0] * 16 + digits[1], digits[2] * 16 + digits[3], digits[4] * 16 + digits[5]);
}

QString Excerpt(QStringView text)
{
    constexpr qsizetype kLongest = 40;
    QString shown = text.trimmed().left(kLongest).toString();
    if (!shown.isEmpty() && shown.back().isHighSurrogate())
        shown.chop(1);
    for (QChar& c : shown)
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    if (text.trimmed().size() > kLongest)
        shown += QStringLiteral("...");
    return shown;
}

PaletteImport Failure(const QString& message)
{
    return { {}, message };
}

PaletteImport LineFailure(qint64 line, const QString& what)
{
    return Failure(PaletteFiles::tr("Line %1: %2").arg(line).arg(what));
}

QString TooManyMessage()
{
    return PaletteMessage(PaletteMessages::kTooManyInFile);
}

PaletteImport Finished(Palette palette)
{
    if (palette.entries.empty())
        return Failure(PaletteMessage(PaletteMessages::kNoColors));
    if (palette.entries.size() > kMaxPaletteColors)
        return Failure(TooManyMessage());
    palette.title = BoundedName(std::move(palette.title));
    for (PaletteEntry& entry : palette.entries)
        entry.name = BoundedName(std::move(entry.name));
    return { std::move(palette), {} };
}

std::optional<QStringView> NextLine(QStringView text, qsizetype& at)
{
    if (at > text.size())
        return std::nullopt;
    qsizetype end = at;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
        ++end;
    const QStringView line = text.sliced(at, end - at);
    at = end + (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n' ? 2 : 1);
    return line;
}

bool EntryCollector::Add(PaletteEntry entry)
{
    palette.entries.push_back(std::move(entry));
    return palette.entries.size() <= kMaxPaletteColors;
}

} // namespace PaletteCodecs
