// The program's own JSON shape (docs/palette-formats.md):
//   {"format": "tintwell-palette", "version": 1, "name": "...",
//    "colors": [{"name": "...", "hex": "#RRGGBB", "rgb": [r, g, b]}, ...]}
// Written by hand so the keys keep this order. Read by a strict JSON parser of its own that builds the palette
// as it goes: a general document model takes several times as long for a full palette.

#include "PaletteCodecs.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace PaletteCodecs {

namespace {

constexpr QLatin1StringView kFormatName("tintwell-palette");
constexpr int kVersion = 1;

// Quotes, backslashes, control characters and half characters escaped; "<", ">" and "&" too, so the text
// is safe inside an HTML script element. Other characters stay as they are, in UTF-8.
void PutString(QByteArray& out, const QString& text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    const auto putEscape = [&](char16_t u) {
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4)
            out += kHex[(u >> shift) & 15];
    };
    out += '"';
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == '"' || u == '\\') {
            out += '\\';
            out += static_cast<char>(u);
        } else if (u == '\n') {
            out += "\\n";
        } else if (u == '\t') {
            out += "\\t";
        } else if (u < 0x20 || u == '<' || u == '&' || u == '>' || u == 0x7F) {
            putEscape(u);
        } else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += QStringView(text).sliced(i++, 2).toUtf8();
        } else if (c.isSurrogate()) {
            putEscape(u);
        } else if (u < 0x80) {
            out += static_cast<char>(u);
        } else {
            out += QStringView(text).sliced(i, 1).toUtf8();
        }
    }
    out += '"';
}

PaletteImport ColorFailure(qsizetype index, const QString& what)
{
    return Failure(PaletteFiles::tr("Color %1 of the file: %2").arg(index + 1).arg(what));
}

// What one member of "colors" held; each part is checked once the object has been read.
struct ColorItem {
    bool isObject = false;
    bool nameIsText = true;
    bool hasHex = false;
    bool hasRgb = false;
    QString name;
    std::optional<ColorValue> hex;
    std::optional<ColorValue> rgb;
};

// RFC 8259 JSON, read once from start to end. Values the palette does not use are checked and passed over.
class JsonReader {
public:
    explicit JsonReader(const QByteArray& bytes)
        : m_begin(bytes.constData())
        , m_at(bytes.constData())
        , m_end(bytes.constData() + bytes.size())
    {
    }

    PaletteImport Read();

private:
    static constexpr int kDeepest = 512;

    // what is a QT_TRANSLATE_NOOP text, told to the user in the user's language.
    bool Fail(const char* what)
    {
        if (!m_syntaxError)
            m_syntaxError = what;
        return false;
    }
    void Blanks()
    {
        while (m_at < m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t'))
            ++m_at;
    }
    bool Next(char c)
    {
        Blanks();
        if (m_at < m_end && *m_at == c) {
            ++m_at;
            return true;
        }
        return false;
    }
    bool At(char c)
    {
        Blanks();
        return m_at < m_end && *m_at == c;
    }
    bool String(QString* out);
    bool Number(double* out);
    bool Value(int depth);
    // A value where a text or a number is wanted: one is read into out; any other value is checked and passed
    // over, leaving out as it was.
    bool TextOrOther(int depth, std::optional<QString>& out);
    bool NumberOrOther(int depth, std::optional<double>& out);
    // What objects and lists share: item() is called for each member or element between open and close.
    template <typename F>
    bool Items(int depth, char open, char close, F&& item);
    // Calls member(key) for each member, with the reader before its value; member reads the value.
    template <typename F>
    bool Object(int depth, F&& member);
    template <typename F>
    bool Array(int depth, F&& element);
    bool Color(ColorItem& item);
    bool Colors();

    const char* m_begin;
    const char* m_at;
    const char* m_end;
    const char* m_syntaxError = nullptr;
    bool m_tooMany = false;
    std::vector<ColorItem> m_colors;
};

bool JsonReader::String(QString* out)
{
    if (!Next('"'))
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text was expected"));
    QString text;
    const char* run = m_at;
    // Each piece between escapes is decoded on its own, so a U+FEFF at its start is a character, not a mark.
    const auto flush = [&] {
        if (out && m_at > run)
            text += QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)(QByteArrayView(run, m_at - run));
    };
    while (true) {
        if (m_at == m_end)
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text is not closed"));
        const auto c = static_cast<unsigned char>(*m_at);
        if (c == '"')
            break;
        if (c < 0x20)
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text holds a control character"));
        if (c != '\\') {
            ++m_at;
            continue;
        }
        flush();
        if (++m_at == m_end)
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text is not closed"));
        char16_t unit = 0;
        switch (*m_at++) {
        case '"': unit = u'"'; break;
        case '\\': unit = u'\\'; break;
        case '/': unit = u'/'; break;
        case 'b': unit = u'\b'; break;
        case 'f': unit = u'\f'; break;
        case 'n': unit = u'\n'; break;
        case 'r': unit = u'\r'; break;
        case 't': unit = u'\t'; break;
        case 'u': {
            if (m_end - m_at < 4)
                return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text is not closed"));
            for (int i = 0; i < 4; ++i) {
                const int digit = HexDigitValue(static_cast<unsigned char>(*m_at++));
                if (digit < 0)
                    return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a \\u escape is not four hexadecimal digits"));
                unit = static_cast<char16_t>(unit * 16 + digit);
            }
            break;
        }
        default:
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a text holds an unknown escape"));
        }
        if (out)
            text += QChar(unit); // halves of a pair join up in UTF-16 as they come
        run = m_at;
    }
    flush();
    ++m_at;
    if (out)
        *out = std::move(text);
    return true;
}

bool JsonReader::Number(double* out)
{
    Blanks();
    const char* start = m_at;
    const auto digits = [&] {
        const char* from = m_at;
        while (m_at < m_end && *m_at >= '0' && *m_at <= '9')
            ++m_at;
        return m_at > from;
    };
    if (m_at < m_end && *m_at == '-')
        ++m_at;
    if (m_at < m_end && *m_at == '0')
        ++m_at;
    else if (!digits())
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a value is malformed"));
    if (m_at < m_end && *m_at == '.' && (++m_at, !digits()))
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a number is malformed"));
    if (m_at < m_end && (*m_at == 'e' || *m_at == 'E')) {
        ++m_at;
        if (m_at < m_end && (*m_at == '+' || *m_at == '-'))
            ++m_at;
        if (!digits())
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a number is malformed"));
    }
    double value = 0;
    const auto [end, error] = std::from_chars(start, m_at, value);
    if (out)
        *out = error == std::errc() && end == m_at ? value : std::nan("");
    return true;
}

bool JsonReader::Value(int depth)
{
    if (depth > kDeepest)
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "it is nested too deeply"));
    Blanks();
    if (m_at == m_end)
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "the file ends too early"));
    switch (*m_at) {
    case '{':
        return Object(depth + 1, [&](const QString&) { return Value(depth + 1); });
    case '[':
        return Array(depth + 1, [&] { return Value(depth + 1); });
    case '"':
        return String(nullptr);
    default:
        break;
    }
    for (const std::string_view word : { "true", "false", "null" }) {
        if (std::string_view(m_at, std::min<std::size_t>(word.size(), m_end - m_at)) == word) {
            m_at += word.size();
            return true;
        }
    }
    return Number(nullptr);
}

bool JsonReader::TextOrOther(int depth, std::optional<QString>& out)
{
    if (!At('"'))
        return Value(depth);
    QString text;
    if (!String(&text))
        return false;
    out = std::move(text);
    return true;
}

bool JsonReader::NumberOrOther(int depth, std::optional<double>& out)
{
    if (At('"') || At('[') || At('{') || At('t') || At('f') || At('n'))
        return Value(depth);
    double v = 0;
    if (!Number(&v))
        return false;
    out = v;
    return true;
}

template <typename F>
bool JsonReader::Items(int depth, char open, char close, F&& item)
{
    if (depth > kDeepest)
        return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "it is nested too deeply"));
    if (!Next(open))
        return Fail(open == '{' ? QT_TRANSLATE_NOOP("PaletteFiles", "an object was expected")
                                : QT_TRANSLATE_NOOP("PaletteFiles", "a list was expected"));
    if (Next(close))
        return true;
    do {
        if (!item())
            return false;
    } while (Next(','));
    return Next(close)
        || Fail(close == '}' ? QT_TRANSLATE_NOOP("PaletteFiles", "a \",\" or \"}\" is missing")
                             : QT_TRANSLATE_NOOP("PaletteFiles", "a \",\" or \"]\" is missing"));
}

template <typename F>
bool JsonReader::Object(int depth, F&& member)
{
    return Items(depth, '{', '}', [&] {
        QString key;
        if (!String(&key))
            return false;
        if (!Next(':'))
            return Fail(QT_TRANSLATE_NOOP("PaletteFiles", "a \":\" is missing after a name"));
        return member(key);
    });
}

template <typename F>
bool JsonReader::Array(int depth, F&& element)
{
    return Items(depth, '[', ']', element);
}

bool JsonReader::Color(ColorItem& item)
{
    if (!At('{'))
        return Value(2);
    item.isObject = true;
    return Object(3, [&](const QString& key) {
        if (key == QLatin1StringView("name")) {
            item.nameIsText = At('"');
            return item.nameIsText ? String(&item.name) : Value(3);
        }
        if (key == QLatin1StringView("hex")) {
            item.hasHex = true;
            std::optional<QString> hex;
            if (!TextOrOther(3, hex))
                return false;
            if (hex)
                item.hex = HashHexColor(*hex);
            return true;
        }
        if (key == QLatin1StringView("rgb")) {
            item.hasRgb = true;
            if (!At('['))
                return Value(3);
            std::vector<double> channels;
            const bool read = Array(4, [&] {
                std::optional<double> v;
                if (!NumberOrOther(4, v))
                    return false;
                channels.push_back(v.value_or(-1)); // an element that is no number is a bad channel, not none
                return true;
            });
            if (!read)
                return false;
            const bool whole = channels.size() == 3 && std::all_of(channels.begin(), channels.end(), [](double v) {
                return v >= 0 && v <= 255 && v == std::floor(v);
            });
            if (whole)
                item.rgb = Pack(static_cast<int>(channels[0]), static_cast<int>(channels[1]), static_cast<int>(channels[2]));
            return true;
        }
        return Value(3);
    });
}

bool JsonReader::Colors()
{
    m_colors.clear();
    return Array(2, [&] {
        if (m_colors.size() == kMaxPaletteColors) {
            m_tooMany = true;
            return false;
        }
        m_colors.emplace_back();
        return Color(m_colors.back());
    });
}

PaletteImport JsonReader::Read()
{
    std::optional<QString> format;
    std::optional<double> version;
    bool colorsSeen = false;
    std::optional<QString> title;
    // Any JSON is read through, so a damaged file is told apart from one that is simply not a palette.
    const auto member = [&](const QString& key) {
        if (key == QLatin1StringView("format"))
            return TextOrOther(1, format);
        if (key == QLatin1StringView("name"))
            return TextOrOther(1, title);
        if (key == QLatin1StringView("version"))
            return NumberOrOther(1, version);
        if (key == QLatin1StringView("colors")) {
            colorsSeen = At('[');
            return colorsSeen ? Colors() : Value(1);
        }
        return Value(1);
    };
    const bool read = At('{') ? Object(1, member) : Value(0);
    if (m_tooMany)
        return Failure(TooManyMessage());
    Blanks();
    if (read && m_at != m_end)
        Fail(QT_TRANSLATE_NOOP("PaletteFiles", "more follows the end of the palette"));
    if (m_syntaxError) {
        const qint64 line = std::count(m_begin, m_at, '\n') + 1;
        return LineFailure(line, PaletteFiles::tr("this is not valid JSON: %1.").arg(PaletteFiles::tr(m_syntaxError)));
    }
    if (format != kFormatName)
        return Failure(PaletteFiles::tr("This JSON file is not a Tintwell palette: it has no \"format\": \"tintwell-palette\"."));
    if (version != kVersion)
        return Failure(PaletteFiles::tr("This palette is of a version the program does not know; only version 1 can be read."));
    if (!colorsSeen)
        return Failure(PaletteFiles::tr("This palette has no \"colors\" list."));
    Palette palette { title.value_or(QString()), {} };
    palette.entries.reserve(m_colors.size());
    for (std::size_t i = 0; i < m_colors.size(); ++i) {
        ColorItem& item = m_colors[i];
        const auto index = static_cast<qsizetype>(i);
        if (!item.isObject)
            return ColorFailure(index, PaletteFiles::tr("it is not an object with \"name\" and \"hex\"."));
        if (!item.nameIsText)
            return ColorFailure(index, PaletteFiles::tr("its \"name\" is not a text."));
        if (item.hasHex && !item.hex)
            return ColorFailure(index, PaletteFiles::tr("its \"hex\" is not a color in the form \"#RRGGBB\"."));
        if (item.hasRgb && !item.rgb)
            return ColorFailure(index, PaletteFiles::tr("its \"rgb\" is not three whole numbers from 0 to 255."));
        if (!item.hex && !item.rgb)
            return ColorFailure(index, PaletteFiles::tr("it has neither \"hex\" nor \"rgb\"."));
        if (item.hex && item.rgb && *item.hex != *item.rgb)
            return ColorFailure(index, PaletteFiles::tr("its \"hex\" and \"rgb\" are different colors."));
        palette.entries.push_back({ std::move(item.name), item.hex ? *item.hex : *item.rgb });
    }
    return Finished(std::move(palette));
}

} // namespace

QByteArray WriteJson(const Palette& palette)
{
    QByteArray out;
    out.reserve(128 + static_cast<qsizetype>(palette.entries.size()) * 64);
    out += "{\n  \"format\": \"tintwell-palette\",\n  \"version\": 1,\n  \"name\": ";
    PutString(out, palette.title);
    out += ",\n  \"colors\": [";
    bool first = true;
    for (const PaletteEntry& entry : palette.entries) {
        out += first ? "\n    {\"name\": " : ",\n    {\"name\": ";
        first = false;
        PutString(out, entry.name);
        out += ", \"hex\": \"";
        out += HashHexText(entry.color);
        out += "\", \"rgb\": [";
        out += QByteArray::number(Red(entry.color));
        out += ", ";
        out += QByteArray::number(Green(entry.color));
        out += ", ";
        out += QByteArray::number(Blue(entry.color));
        out += "]}";
    }
    out += first ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

PaletteImport ReadJson(const QByteArray& bytes)
{
    return JsonReader(bytes).Read();
}

} // namespace PaletteCodecs
