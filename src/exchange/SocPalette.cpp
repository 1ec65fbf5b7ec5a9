// LibreOffice colour tables (.soc), the palettes of Draw, Impress and Writer: an XML document whose root is
// a color-table and whose draw:color elements carry draw:name and draw:color ("#rrggbb"). LibreOffice names
// the palette after its file, so the title is not written.

#include "PaletteCodecs.h"

#include <QXmlStreamReader>

namespace PaletteCodecs {

namespace {

constexpr QLatin1StringView kDrawNs("urn:oasis:names:tc:opendocument:xmlns:drawing:1.0");
constexpr QLatin1StringView kOfficeNs("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
constexpr QLatin1StringView kOooNs("http://openoffice.org/2004/office");
// The namespaces of OpenOffice.org 1, which LibreOffice still reads and uses in some palettes it ships.
constexpr QLatin1StringView kOldOfficeNs("http://openoffice.org/2000/office");
constexpr QLatin1StringView kOldDrawNs("http://openoffice.org/2000/drawing");

// Escaped for a double-quoted attribute. Tabs and line breaks go as character references, which attribute
// normalisation keeps; the other control characters, which XML 1.0 cannot carry at all, become spaces.
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
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (u < 0x20 || u == 0xFFFE || u == 0xFFFF || c.isSurrogate()) {
            out += u' ';
        } else {
            out += c;
        }
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
    for (const PaletteEntry& entry : palette.entries) {
        out += QLatin1StringView("  <draw:color draw:name=\"");
        PutAttribute(out, entry.name);
        out += QLatin1StringView("\" draw:color=\"");
        out += QLatin1StringView(HashHexText(entry.color)).toString().toLower();
        out += QLatin1StringView("\"/>\n");
    }
    out += QLatin1StringView("</ooo:color-table>\n");
    return out.toUtf8();
}

PaletteImport ReadSoc(const QByteArray& bytes)
{
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
                return Failure(QStringLiteral("This XML file is not a LibreOffice color table."));
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
                QStringLiteral("the color \"%1\" is not in the form \"#rrggbb\".").arg(Excerpt(value)));
        if (!collected.Add({ attributes.value(drawNs.toString(), QLatin1StringView("name")).toString(), *color }))
            return Failure(TooManyMessage());
    }
    if (xml.hasError())
        return LineFailure(xml.lineNumber(), QStringLiteral("this is not well-formed XML (%1).").arg(xml.errorString()));
    if (!rootSeen)
        return Failure(QStringLiteral("This file holds no XML."));
    return Finished(std::move(collected.palette));
}

} // namespace PaletteCodecs
