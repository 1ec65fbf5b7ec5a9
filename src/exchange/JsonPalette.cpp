// The program's own JSON shape (docs/palette-formats.md):
//   {"format": "tintwell-palette", "version": 1, "name": "...",
//    "colors": [{"name": "...", "hex": "#RRGGBB", "rgb": [r, g, b]}, ...]}
// Written by hand so the keys keep this order; read with Qt's parser.

#include "PaletteCodecs.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

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
    return Failure(QStringLiteral("Color %1 of the file: %2").arg(index + 1).arg(what));
}

std::optional<ColorValue> RgbColor(const QJsonArray& rgb)
{
    if (rgb.size() != 3)
        return std::nullopt;
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const QJsonValue v = rgb[i];
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d < 0 || d > 255 || d != static_cast<int>(d))
            return std::nullopt;
        channels[i] = static_cast<int>(d);
    }
    return Pack(channels[0], channels[1], channels[2]);
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
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const qint64 line = bytes.left(error.offset).count('\n') + 1;
        return LineFailure(line, QStringLiteral("this is not valid JSON (%1).").arg(error.errorString()));
    }
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1StringView("format")).toString() != kFormatName)
        return Failure(QStringLiteral("This JSON file is not a Tintwell palette: it has no \"format\": \"tintwell-palette\"."));
    const QJsonValue version = root.value(QLatin1StringView("version"));
    if (!version.isDouble() || version.toDouble() != kVersion)
        return Failure(QStringLiteral("This palette is of a version the program does not know; only version 1 can be read."));
    const QJsonValue colors = root.value(QLatin1StringView("colors"));
    if (!colors.isArray())
        return Failure(QStringLiteral("This palette has no \"colors\" list."));
    const QJsonArray list = colors.toArray();
    if (list.size() > static_cast<qsizetype>(kMaxPaletteColors))
        return Failure(TooManyMessage());
    Palette palette { root.value(QLatin1StringView("name")).toString(), {} };
    palette.entries.reserve(static_cast<std::size_t>(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject item = list[i].toObject();
        if (!list[i].isObject())
            return ColorFailure(i, QStringLiteral("it is not an object with \"name\" and \"hex\"."));
        const QJsonValue name = item.value(QLatin1StringView("name"));
        if (!name.isUndefined() && !name.isString())
            return ColorFailure(i, QStringLiteral("its \"name\" is not a text."));
        const QJsonValue hex = item.value(QLatin1StringView("hex"));
        const QJsonValue rgb = item.value(QLatin1StringView("rgb"));
        const std::optional<ColorValue> fromHex = HashHexColor(hex.toString());
        const std::optional<ColorValue> fromRgb = RgbColor(rgb.toArray());
        if (!hex.isUndefined() && !fromHex)
            return ColorFailure(i, QStringLiteral("its \"hex\" is not a color in the form \"#RRGGBB\"."));
        if (!rgb.isUndefined() && !fromRgb)
            return ColorFailure(i, QStringLiteral("its \"rgb\" is not three whole numbers from 0 to 255."));
        if (!fromHex && !fromRgb)
            return ColorFailure(i, QStringLiteral("it has neither \"hex\" nor \"rgb\"."));
        if (fromHex && fromRgb && *fromHex != *fromRgb)
            return ColorFailure(i, QStringLiteral("its \"hex\" and \"rgb\" are different colors."));
        palette.entries.push_back({ name.toString(), fromHex ? *fromHex : *fromRgb });
    }
    return Finished(std::move(palette));
}

} // namespace PaletteCodecs
