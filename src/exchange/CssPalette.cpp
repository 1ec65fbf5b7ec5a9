// CSS custom properties and SCSS variables. The identifiers are made from the names; the names themselves
// travel whole in a quoted comment after each declaration, which this reader takes back. Foreign style
// sheets give every declaration whose value is one colour (#RGB, #RRGGBB, with alpha or without, rgb()
// and rgba() with commas or blanks, numbers or percentages), named after the variable or the rule.

#include "PaletteCodecs.h"

#include <QRegularExpression>

#include <algorithm>
#include <utility>

#include <cmath>
#include <unordered_map>
#include <unordered_set>

namespace PaletteCodecs {

namespace {

enum class Dialect { Css, Scss };

// --- Writing ---------------------------------------------------------------------------------------------

// Lower-case ASCII letters and digits joined by single hyphens: valid in both dialects and in the tools
// that read them; a name with nothing of that becomes "color-N".
std::string Identifier(const QString& name, std::size_t number)
{
    std::string id;
    id.reserve(static_cast<std::size_t>(name.size()));
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if ((u >= 'a' && u <= 'z') || (u >= '0' && u <= '9'))
            id += static_cast<char>(u);
        else if (u >= 'A' && u <= 'Z')
            id += static_cast<char>(u + ('a' - 'A'));
        else if (!id.empty() && id.back() != '-')
            id += '-';
    }
    if (!id.empty() && id.back() == '-')
        id.pop_back();
    if (id.empty())
        id = "color-" + std::to_string(number);
    return id;
}

std::vector<std::string> UniqueIdentifiers(const Palette& palette)
{
    std::vector<std::string> ids;
    ids.reserve(palette.entries.size());
    std::unordered_set<std::string> used;
    used.reserve(palette.entries.size());
    std::unordered_map<std::string, int> nextSuffix; // so that many equal names are numbered in one pass
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        const std::string base = Identifier(palette.entries[i].name, i + 1);
        std::string id = base;
        for (int& suffix = nextSuffix.try_emplace(base, 2).first->second; !used.insert(id).second; ++suffix)
            id = base + '-' + std::to_string(suffix);
        ids.push_back(std::move(id));
    }
    return ids;
}

void PutHexEscape(QByteArray& out, char16_t code)
{
    out += '\\';
    out += QByteArray::number(code, 16);
    out += ' '; // ends the escape whatever follows
}

// A CSS string in double quotes, in UTF-8. Nothing in it can end the comment it stands in ("*" is escaped),
// a line ("//" comments) or an HTML style element ("<"); control characters are escaped.
void PutQuotedName(QByteArray& out, const QString& name)
{
    out += '"';
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name[i];
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == '*' || u == '<' || u == '>' || u == 0x2028
            || u == 0x2029) {
            PutHexEscape(out, u);
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (c.isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate()) {
            out += QStringView(name).sliced(i++, 2).toUtf8();
        } else if (c.isSurrogate()) {
            PutHexEscape(out, 0xFFFD); // half a character has no encoding
        } else {
            out += QStringView(name).sliced(i, 1).toUtf8();
        }
    }
    out += '"';
}

QByteArray WriteStyleSheet(const Palette& palette, Dialect dialect)
{
    const bool css = dialect == Dialect::Css;
    const std::vector<std::string> ids = UniqueIdentifiers(palette);
    QByteArray out;
    out.reserve(160 + static_cast<qsizetype>(palette.entries.size()) * 56);
    out += "@charset \"UTF-8\";\n";
    out += css ? "/* Palette: " : "// Palette: ";
    PutQuotedName(out, palette.title);
    out += css ? " */\n/* " : "\n// ";
    out += "Written by Tintwell; the comment after each color holds its name.";
    out += css ? " */\n:root {\n" : "\n";
    for (std::size_t i = 0; i < palette.entries.size(); ++i) {
        out += css ? "  --tw-" : "$tw-";
        out += ids[i];
        out += ": ";
        out += HashHexText(palette.entries[i].color);
        out += css ? "; /* " : "; // ";
        PutQuotedName(out, palette.entries[i].name);
        out += css ? " */\n" : "\n";
    }
    if (css)
        out += "}\n";
    return out;
}

// --- Reading ---------------------------------------------------------------------------------------------

// A quoted string at the start of text, escapes resolved; nothing when it is not one.
std::optional<QString> UnquoteName(QStringView text)
{
    if (!text.startsWith(u'"'))
        return std::nullopt;
    QString name;
    qsizetype i = 1;
    while (i < text.size()) {
        const QChar c = text[i++];
        if (c == u'"')
            return name;
        if (c != u'\\') {
            name += c;
            continue;
        }
        if (i == text.size())
            break;
        char32_t code = 0;
        int digits = 0;
        for (; digits < 6 && i < text.size() && HexDigitValue(text[i].unicode()) >= 0; ++digits)
            code = code * 16 + static_cast<char32_t>(HexDigitValue(text[i++].unicode()));
        if (digits == 0) {
            name += text[i++];
            continue;
        }
        if (i < text.size() && text[i] == u' ')
            ++i; // the blank that ends an escape belongs to it
        if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            code = 0xFFFD;
        name += QString::fromUcs4(&code, 1);
    }
    return std::nullopt;
}

enum class ValueKind { Other, Color, Broken };

ValueKind HashColor(QStringView digits, ColorValue& color)
{
    int v[8];
    for (qsizetype i = 0; i < digits.size() && i < 8; ++i)
        if ((v[i] = HexDigitValue(digits[i].unicode())) < 0)
            return ValueKind::Broken;
    switch (digits.size()) {
    case 3:
    case 4: // the fourth digit is opacity, which a palette does not keep
        color = Pack(v[0] * 17, v[1] * 17, v[2] * 17);
        return ValueKind::Color;
    case 6:
    case 8:
        color = Pack(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
        return ValueKind::Color;
    default:
        return ValueKind::Broken;
    }
}

// One number or percentage of rgb(); a channel is clamped to 0..255 as browsers do.
bool FunctionArgument(QStringView token, bool channel, int& value)
{
    const bool percent = token.endsWith(u'%');
    if (percent)
        token.chop(1);
    bool ok = false;
    const double number = token.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    const double scaled = percent ? number * 255 / 100 : number;
    value = channel ? static_cast<int>(std::lround(std::clamp(scaled, 0.0, 255.0))) : 0;
    return true;
}

// A call with a variable or another expression among its arguments is computed by the style sheet's compiler,
// not a colour of its own.
ValueKind RgbFunction(QStringView arguments, ColorValue& color)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,/]+"));
    const QList<QStringView> tokens = arguments.trimmed().split(separators, Qt::SkipEmptyParts);
    int channels[4];
    for (qsizetype i = 0; i < tokens.size(); ++i)
        if (!FunctionArgument(tokens[i], i < 3, i < 4 ? channels[i] : channels[3]))
            return ValueKind::Other;
    if (tokens.size() != 3 && tokens.size() != 4)
        return ValueKind::Broken;
    color = Pack(channels[0], channels[1], channels[2]);
    return ValueKind::Color;
}

// A value is a colour only when it is one colour and nothing more: "border: #ccc 1px solid" and "rgba($a, 0.5)"
// are other things. What can only be a colour written wrongly ("#12345", "rgb(1, 2)") is Broken.
ValueKind ParseColorValue(QStringView value, ColorValue& color)
{
    if (value.startsWith(u'#')) {
        const QStringView digits = value.sliced(1);
        const bool hex = !digits.isEmpty()
            && std::all_of(digits.begin(), digits.end(), [](QChar c) { return HexDigitValue(c.unicode()) >= 0; });
        return hex ? HashColor(digits, color) : ValueKind::Other;
    }
    const qsizetype open = value.indexOf(u'(');
    if (open < 0)
        return ValueKind::Other;
    const QStringView function = value.first(open).trimmed();
    if (function.compare(QStringView(u"rgb"), Qt::CaseInsensitive) != 0
        && function.compare(QStringView(u"rgba"), Qt::CaseInsensitive) != 0)
        return ValueKind::Other;
    const QStringView inside = value.sliced(open + 1);
    // Only one call makes one colour; a list such as a gradient's is something else.
    if (!inside.endsWith(u')') || inside.chopped(1).contains(u'(') || inside.chopped(1).contains(u')'))
        return ValueKind::Other;
    return RgbFunction(inside.chopped(1), color);
}

class StyleSheetReader {
public:
    StyleSheetReader(const QString& text, Dialect dialect)
        : m_text(text)
        , m_dialect(dialect)
    {
    }

    PaletteImport Read();

private:
    struct Block {
        QString selector;
        qint64 line;
    };

    // Far deeper than any style sheet nests its rules; deeper ones are refused before they cost memory.
    static constexpr std::size_t kDeepestBlock = 256;

    // A declaration or selector longer than this is no colour and names nothing beyond its start, so no more of it
    // is kept: one huge selector costs no more than its text.
    static constexpr qsizetype kLongestSegment = 64 * 1024;

    void Keep(QChar c)
    {
        if (m_segment.size() < kLongestSegment)
            m_segment += c;
        else
            m_overlong = true;
    }
    bool IsLineBreak(qsizetype i) const;
    // "url(" with an unquoted address, in which "//" and ";" are part of the address.
    bool IsBareUrl(qsizetype i) const;
    // False when the reading must stop; m_failure then says why.
    bool Comment(qsizetype& i);
    bool EndOfSegment(qint64 line);
    bool Declaration(QStringView segment);
    void AttachComment(QStringView content, qint64 line);
    QString RuleName(QStringView property) const;

    const QString& m_text;
    Dialect m_dialect;
    EntryCollector m_collected;
    std::vector<Block> m_blocks;
    QString m_segment;
    bool m_overlong = false; // the segment went on past kLongestSegment
    qint64 m_line = 1;
    qint64 m_segmentLine = 0;
    // The entry the last declaration gave and the line its ";" is on: a comment starting on that line names it.
    std::optional<std::size_t> m_named;
    qint64 m_namedLine = 0;
    bool m_titleSeen = false;
    PaletteImport m_failure;
};

PaletteImport StyleSheetReader::Read()
{
    for (qsizetype i = 0; i < m_text.size(); ++i) {
        const QChar c = m_text[i];
        if (c == u'/' && i + 1 < m_text.size()
            && (m_text[i + 1] == u'*' || (m_dialect == Dialect::Scss && m_text[i + 1] == u'/'))) {
            if (!Comment(i))
                return m_failure;
            continue;
        }
        if (IsLineBreak(i))
            ++m_line;
        if (c == u'"' || c == u'\'' || IsBareUrl(i)) {
            // Copied whole, so a ";", "{" or "//" inside does not end or begin anything.
            const QChar close = c == u'u' || c == u'U' ? u')' : c;
            if (m_segment.isEmpty())
                m_segmentLine = m_line;
            Keep(c);
            for (++i; i < m_text.size() && m_text[i] != close && m_text[i] != u'\n' && m_text[i] != u'\r'; ++i) {
                Keep(m_text[i]);
                if (m_text[i] != u'\\' || i + 1 == m_text.size())
                    continue;
                // An escaped character, or an escaped line break that continues the text on the next line.
                if (m_text[++i] == u'\r' && i + 1 < m_text.size() && m_text[i + 1] == u'\n')
                    Keep(m_text[i++]);
                if (IsLineBreak(i))
                    ++m_line;
                Keep(m_text[i]);
            }
            if (i < m_text.size() && m_text[i] == close)
                Keep(close);
            else
                --i;
            continue;
        }
        if (c == u'{') {
            if (m_blocks.size() == kDeepestBlock)
                return LineFailure(m_line, PaletteFiles::tr("blocks are nested more than %1 deep.").arg(kDeepestBlock));
            m_blocks.push_back({ m_segment.simplified(), m_line });
            m_segment.clear();
            m_overlong = false;
            m_named.reset();
        } else if (c == u';' || c == u'}') {
            if (!EndOfSegment(m_line))
                return m_failure;
            if (c == u'}') {
                if (m_blocks.empty())
                    return LineFailure(m_line, PaletteFiles::tr("this \"}\" closes no block."));
                m_blocks.pop_back();
            }
        } else {
            if (m_segment.isEmpty() && !c.isSpace())
                m_segmentLine = m_line;
            if (!m_segment.isEmpty() || !c.isSpace())
                Keep(c);
        }
    }
    if (!m_blocks.empty())
        return Failure(PaletteFiles::tr("The file ends inside the block that begins on line %1.").arg(m_blocks.back().line));
    if (!EndOfSegment(m_line))
        return m_failure;
    return Finished(std::move(m_collected.palette));
}

bool StyleSheetReader::IsLineBreak(qsizetype i) const
{
    return m_text[i] == u'\n' || (m_text[i] == u'\r' && (i + 1 == m_text.size() || m_text[i + 1] != u'\n'));
}

bool StyleSheetReader::IsBareUrl(qsizetype i) const
{
    constexpr QStringView kUrl(u"url(");
    if ((m_text[i] != u'u' && m_text[i] != u'U') || !QStringView(m_text).sliced(i).startsWith(kUrl, Qt::CaseInsensitive))
        return false;
    if (i > 0 && (m_text[i - 1].isLetterOrNumber() || m_text[i - 1] == u'-' || m_text[i - 1] == u'_'))
        return false;
    qsizetype at = i + kUrl.size();
    while (at < m_text.size() && (m_text[at] == u' ' || m_text[at] == u'\t'))
        ++at;
    return at == m_text.size() || (m_text[at] != u'"' && m_text[at] != u'\'');
}

bool StyleSheetReader::Comment(qsizetype& i)
{
    const qint64 startLine = m_line;
    const bool block = m_text[i + 1] == u'*';
    const qsizetype start = i + 2;
    qsizetype end = -1;
    if (block) {
        end = m_text.indexOf(QStringView(u"*/"), start);
    } else {
        for (qsizetype at = start; at < m_text.size() && end < 0; ++at)
            if (m_text[at] == u'\n' || m_text[at] == u'\r')
                end = at;
    }
    if (block && end < 0) {
        m_failure = Failure(PaletteFiles::tr("The file ends inside the comment that begins on line %1.").arg(startLine));
        return false;
    }
    const qsizetype stop = end < 0 ? m_text.size() : end;
    const QStringView content = QStringView(m_text).sliced(start, stop - start);
    for (qsizetype at = start; at < stop; ++at)
        m_line += IsLineBreak(at) ? 1 : 0;
    AttachComment(content.trimmed(), startLine);
    // A line comment leaves its line break to the main loop, which counts it.
    i = block ? stop + 1 : stop - 1;
    return true;
}

void StyleSheetReader::AttachComment(QStringView content, qint64 line)
{
    constexpr QStringView kTitle(u"Palette: ");
    if (!m_titleSeen && content.startsWith(kTitle)) {
        if (const auto title = UnquoteName(content.sliced(kTitle.size()))) {
            m_collected.palette.title = *title;
            m_titleSeen = true;
        }
        return;
    }
    if (!m_named || line != m_namedLine)
        return;
    if (const auto name = UnquoteName(content))
        m_collected.palette.entries[*m_named].name = *name;
    m_named.reset();
}

bool StyleSheetReader::EndOfSegment(qint64 line)
{
    const QString segment = std::exchange(m_segment, QString());
    if (std::exchange(m_overlong, false))
        return true; // no colour is that long
    m_named.reset();
    if (segment.trimmed().isEmpty())
        return true;
    if (!Declaration(segment))
        return false;
    if (m_named)
        m_namedLine = line;
    return true;
}

QString StyleSheetReader::RuleName(QStringView property) const
{
    constexpr qsizetype kLongest = kMaxNameBytes + 1; // enough for BoundedName to show the cut
    if (property.startsWith(QStringView(u"--")))
        return property.sliced(2).left(kLongest).toString();
    if (property.startsWith(u'$'))
        return property.sliced(1).left(kLongest).toString();
    // Every declaration of a rule repeats its selectors, so they are cut short: a long selector or deep nesting
    // must not make the names many times larger than the file.
    constexpr qsizetype kLongestSelectors = 80; // bytes of UTF-8
    QString selectors;
    for (const Block& block : m_blocks) {
        if (selectors.size() > kLongestSelectors)
            break;
        if (!block.selector.isEmpty()) {
            selectors += QStringView(block.selector).left(kLongestSelectors + 1);
            selectors += u' ';
        }
    }
    selectors = BoundedName(std::move(selectors), kLongestSelectors);
    if (!selectors.isEmpty() && !selectors.endsWith(u' '))
        selectors += u' '; // after the ellipsis of a cut
    return selectors += property.left(kLongest);
}

bool StyleSheetReader::Declaration(QStringView segment)
{
    const qsizetype colon = segment.indexOf(u':');
    if (colon <= 0 || segment.startsWith(u'@'))
        return true;
    const QStringView property = segment.first(colon).trimmed();
    QStringView value = segment.sliced(colon + 1).trimmed();
    if (const qsizetype bang = value.indexOf(u'!'); bang >= 0)
        value = value.first(bang).trimmed(); // !important, !default
    ColorValue color = 0;
    switch (ParseColorValue(value, color)) {
    case ValueKind::Other:
        return true;
    case ValueKind::Broken:
        m_failure = LineFailure(m_segmentLine,
            PaletteFiles::tr("\"%1\" is not a color in a form the program reads (#RGB, #RRGGBB or rgb()).").arg(Excerpt(value)));
        return false;
    case ValueKind::Color:
        break;
    }
    if (!m_collected.Add({ RuleName(property), color })) {
        m_failure = Failure(TooManyMessage());
        return false;
    }
    m_named = m_collected.palette.entries.size() - 1;
    return true;
}

} // namespace

QByteArray WriteCss(const Palette& palette)
{
    return WriteStyleSheet(palette, Dialect::Css);
}

QByteArray WriteScss(const Palette& palette)
{
    return WriteStyleSheet(palette, Dialect::Scss);
}

PaletteImport ReadCss(const QByteArray& bytes)
{
    const QString text = DecodeText(bytes);
    return StyleSheetReader(text, Dialect::Css).Read();
}

PaletteImport ReadScss(const QByteArray& bytes)
{
    const QString text = DecodeText(bytes);
    return StyleSheetReader(text, Dialect::Scss).Read();
}

} // namespace PaletteCodecs
