// LibreOffice colour tables (.soc), the palettes of Draw, Impress and Writer: an XML document whose root is
// a color-table and whose draw:color elements carry draw:name and draw:color ("#rrggbb"). LibreOffice names
// the palette after its file, so the title is not written.

#include "PaletteCodecs.h"

#include <QXmlStreamReader>

#include <unordered_map>
#include <unordered_set>

namespace PaletteCodecs {

namespace {

constexpr QLatin1StringView kDrawNs("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
constexpr QLatin1StringView kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView kOooNs("http://openoffice.org/2004/office");
// The namespaces of OpenOffice.org 1, which LibreOffice still reads and uses in some palettes it ships.
constexpr QLatin1StringView kOldOfficeNs("http://openoffice.org/2000/office");
constexpr QLatin1StringView kOldDrawNs("http://openoffice.org/2000/drawing");

// Many attributes on one element or deep nesting cost QXmlStreamReader time that grows with the square of their
// number (it compares each attribute with the others and looks each prefix up through every enclosing element), and
// a document type may declare entities that make a huge name of a small file. No colour table has any of these, so
// they are refused before the XML reader sees the file.
constexpr int kMostAttributes = 64;
constexpr int kDeepest = 32;

std::optional<PaletteImport> RefuseUnboundedXml(QByteArrayView bytes)
{
    qint64 line = 1;
    int depth = 0;
    // Moves i onto the last character of end; false when the file ends first.
    const auto skipTo = [&](qsizetype& i, QByteArrayView end) {
        const qsizetype found = bytes.indexOf(end, i);
        if (found < 0)
            return false;
        line += bytes.sliced(i, found - i).count('\n');
        i = found + end.size() - 1;
        return true;
    };
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            ++line;
        if (bytes[i] != '<')
            continue;
        const QByteArrayView rest = bytes.sliced(i);
        if (rest.startsWith("<!--") || rest.startsWith("<![CDATA[") || rest.startsWith("<?")) {
            if (!skipTo(i, rest.startsWith("<!--") ? "-->" : rest.startsWith("<?") ? "?>" : "]]>"))
                return std::nullopt; // the XML reader names the fault
            continue;
        }
        if (rest.startsWith("<!"))
            return LineFailure(line, PaletteFiles::tr("this file declares a document type, which no color table has."));
        const bool closing = rest.startsWith("</");
        int attributes = 0;
        char quote = 0;
        for (++i; i < bytes.size() && (quote || bytes[i] != '>'); ++i) {
            const char c = bytes[i];
            if (c == '\n')
                ++line;
            if (quote)
                quote = c == quote ? 0 : quote;
            else if (c == '"' || c == '\'')
                quote = c;
            else if (c == '=' && ++attributes > kMostAttributes)
                return LineFailure(line, PaletteFiles::tr("an element has more than %1 attributes, which no color table has.").arg(kMostAttributes));
        }
        if (closing)
            --depth;
        else if (bytes[i - 1] != '/' && ++depth > kDeepest)
            return LineFailure(line, PaletteFiles::tr("elements are nested more than %1 deep, which no color table is.").arg(kDeepest));
    }
    return std::nullopt;
}

// What a name becomes in the file: the characters XML 1.0 cannot carry at all are spaces.
QString AsWritten(const QString& text)
{
    QString out = text;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t u = out[i].unicode();
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i;
        else if ((u < 0x20 && u != '\t' && u != '\n' && u != '\r') || u == 0xFFFE || u == 0xFFFF || out[i].isSurrogate())
            out[i] = u' ';
    }
    return out;
}

// LibreOffice keeps one colour per name, so each is written under a name of its own: an empty name is the
// colour's "#RRGGBB", as the favourites show it, and a name used before gets " (2)", " (3)" and so on.
std::vector<QString> UniqueNames(const Palette& palette)
{
    std::vector<QString> names;
    names.reserve(palette.entries.size());
    std::unordered_set<QString> used;
    used.reserve(palette.entries.size());
    std::unordered_map<QString, int> nextSuffix; // so that many equal names are numbered in one pass
    for (const PaletteEntry& entry : palette.entries) {
        const QString base = entry.name.isEmpty() ? QString::fromStdString(HashHexText(entry.color)) : AsWritten(entry.name);
        QString name = base;
        for (int& suffix = nextSuffix.try_emplace(base, 2).first->second; !used.insert(name).second; ++suffix)
            name = QStringLiteral("%1 (%2)").arg(base, QString::number(suffix)); // in one pass: the name may hold "%2"
        names.push_back(std::move(name));
    }
    return names;
}

// Escaped for a double-quoted attribute. Tabs and line breaks go as character references, which attribute
// normalisation keeps.
void PutAttribute(QString& out, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        switch (u) {
        case '&': out += QLatin1StringView("&amp;"); continue;
        case '<': out += QLatin1StringView("&lt;"); continue;
        case '>': out += QLatin1StringView("&gt;"); continue;
        case '"': out += QLatin1StringView("&quot;"); continue;
        case '\t': out += QLatin1StringView("&#9;"); continue;
        case '\n': out += QLatin1StringView("&#10;"); continue;
        case '\r': out += QLatin1StringView("&#13;"); continue;
        default: break;
        }
        out += c;
    }
}

} // namespace

QByteArray WriteSoc(const Palette& palette)
{
    QString out;
    out.reserve(512 + static_cast<qsizetype>(palette.entries.size()) * 64);
    out += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<ooo:color-table xmlns:office=\"%1\" xmlns:draw=\"%2\" "
                          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" xmlns:svg=\"http://www.w3.org/2000/svg\" "
                          "xmlns:ooo=\"%3\">\n")
               .arg(kOfficeNs, kDrawNs, kOooNs);
    const std::vector<QString> names = UniqueNames(palette);
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        const PaletteEntry& entry = palette.entries[i];
        out += QLatin1StringView("  <draw:color draw:name=\"");
        PutAttribute(out, names[i]);
        out += QLatin1StringView("\" draw:color=\"");
        out += QLatin1StringView(HashHexText(entry.color)).toString().toLower();
        out += QLatin1StringView("\"/>\n");
    }
    out += QLatin1StringView("</ooo:color-table>\n");
    return out.toUtf8();
}

PaletteImport ReadSoc(const QByteArray& bytes)
{
    if (std::optional<PaletteImport> refused = RefuseUnboundedXml(bytes))
        return std::move(*refused);
    QXmlStreamReader xml(bytes);
    EntryCollector collected;
    bool rootSeen = false;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!rootSeen) {
            rootSeen = true;
            const bool colorTable = xml.name() == QLatin1StringView("color-table")
                && (xml.namespaceUri() == kOooNs || xml.namespaceUri() == kOfficeNs || xml.namespaceUri() == kOldOfficeNs);
            if (!colorTable)
                return Failure(PaletteFiles::tr("This XML file is not a LibreOffice color table."));
            continue;
        }
        const QStringView drawNs = xml.namespaceUri();
        if (xml.name() != QLatin1StringView("color") || (drawNs != kDrawNs && drawNs != kOldDrawNs))
            continue;
        const qint64 line = xml.lineNumber();
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView value = attributes.value(drawNs.toString(), QLatin1StringView("color"));
        const std::optional<ColorValue> color = HashHexColor(value);
        if (!color)
            return LineFailure(line,
                PaletteFiles::tr("the color \"%1\" is not in the form \"#rrggbb\".").arg(Excerpt(value)));
        if (!collected.Add({ attributes.value(drawNs.toString(), QLatin1StringView("name")).toString(), *color }))
            return Failure(TooManyMessage());
    }
    if (xml.hasError())
        return LineFailure(xml.lineNumber(), PaletteFiles::tr("this is not well-formed XML (%1).").arg(xml.errorString()));
    if (!rootSeen)
        return Failure(PaletteFiles::tr("This file holds no XML."));
    return Finished(std::move(collected.palette));
}

} // namespace PaletteCodecs
