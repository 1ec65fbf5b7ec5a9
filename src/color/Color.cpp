#include "Color.h"

#include <algorithm>
#include <cmath>

int RoundHalfEven(double v)
{
    return static_cast<int>(std::nearbyint(v)); // default FE_TONEAREST: ties to even
}

Hsl RgbToHsl(ColorValue c)
{
    const double r = Red(c) / 255.0;
    const double g = Green(c) / 255.0;
    const double b = Blue(c) / 255.0;
    const double mx = std::max({ r, g, b });
    const double mn = std::min({ r, g, b });
    Hsl out;
    out.l = (mx + mn) / 2;
    if (mx == mn)
        return out;
    const double d = mx - mn;
    out.s = out.l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
    double h;
    if (r == mx)
        h = (g - b) / d;
    else if (g == mx)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h /= 6;
    if (h < 0)
        h += 1;
    out.h = h;
    return out;
}

int HueToChannel(double x, double m1, double m2)
{
    if (x < 0)
        x += 1;
    else if (x > 1)
        x -= 1;
    double v;
    if (6 * x < 1)
        v = m1 + (m2 - m1) * 6 * x;
    else if (2 * x < 1)
        v = m2;
    else if (3 * x < 2)
        v = m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
    else
        v = m1;
    return RoundHalfEven(v * 255);
}

ColorValue HslToRgb(double h, double s, double l)
{
    if (s == 0) {
        const int v = RoundHalfEven(l * 255);
        return Pack(v, v, v);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return Pack(HueToChannel(h + 1.0 / 3.0, m1, m2), HueToChannel(h, m1, m2), HueToChannel(h - 1.0 / 3.0, m1, m2));
}

int SnapToWebsafe(int channel)
{
    return RoundHalfEven(channel / 51.0) * 51;
}

bool IsWebsafe(int r, int g, int b)
{
    return r % 51 == 0 && g % 51 == 0 && b % 51 == 0;
}

ColorValue SnapToWebsafe(ColorValue c)
{
    return Pack(SnapToWebsafe(Red(c)), SnapToWebsafe(Green(c)), SnapToWebsafe(Blue(c)));
}

int HexDigitValue(char32_t ch)
{
    if (ch >= '0' && ch <= '9')
        return static_cast<int>(ch - '0');
    if (ch >= 'a' && ch <= 'f')
        return static_cast<int>(ch - 'a') + 10;
    if (ch >= 'A' && ch <= 'F')
        return static_cast<int>(ch - 'A') + 10;
    return -1;
}

namespace {
const char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& s, int v)
{
    s += kHexDigits[(v >> 4) & 0xF];
    s += kHexDigits[v & 0xF];
}

int ParsePair(char hi, char lo)
{
    const int h = HexDigitValue(hi);
    if (h < 0)
        return 0;
    const int l = HexDigitValue(lo);
    if (l < 0)
        return h;
    return h * 16 + l;
}
}

std::string HexText(int r, int g, int b)
{
    std::string s;
    s.reserve(6);
    AppendHexByte(s, r);
    AppendHexByte(s, g);
    AppendHexByte(s, b);
    return s;
}

std::string HashHexText(ColorValue c)
{
    return "#" + HexText(c);
}

std::string CommaText(int r, int g, int b)
{
    return std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b);
}

std::string StatusRgbText(ColorValue c)
{
    return " RGB: " + std::to_string(Red(c)) + "." + std::to_string(Green(c)) + "." + std::to_string(Blue(c));
}

std::string StatusHexText(ColorValue c)
{
    return " HEX: #" + HexText(c);
}

bool ParseHexText(const std::string& text, Rgb& out)
{
    if (text.size() != 6)
        return false;
    out = { ParsePair(text[0], text[1]), ParsePair(text[2], text[3]), ParsePair(text[4], text[5]) };
    return true;
}

namespace {

std::string_view Trimmed(std::string_view text)
{
    constexpr std::string_view kSpace = " \t\r\n";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

// A channel of R,G,B: one to three decimal digits, at most 255.
std::optional<int> DecimalChannel(std::string_view text)
{
    text = Trimmed(text);
    if (text.empty() || text.size() > 3)
        return std::nullopt;
    int value = 0;
    for (char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = value * 10 + (ch - '0');
    }
    return value <= 255 ? std::optional(value) : std::nullopt;
}

} // namespace

std::optional<ColorValue> ParseColorText(std::string_view text)
{
    text = Trimmed(text);
    if (text.find(',') != std::string_view::npos) {
        int channels[3] = {};
        for (int i = 0; i < 3; ++i) {
            const auto comma = text.find(',');
            if ((i < 2) == (comma == std::string_view::npos))
                return std::nullopt;
            const auto channel = DecimalChannel(text.substr(0, comma));
            if (!channel)
                return std::nullopt;
            channels[i] = *channel;
            text = i < 2 ? text.substr(comma + 1) : std::string_view();
        }
        return Pack(channels[0], channels[1], channels[2]);
    }
    if (!text.empty() && text.front() == '#')
        text.remove_prefix(1);
    if (text.size() != 6)
        return std::nullopt;
    for (char ch : text) {
        if (HexDigitValue(static_cast<unsigned char>(ch)) < 0)
            return std::nullopt;
    }
    Rgb rgb;
    ParseHexText(std::string(text), rgb);
    return Pack(rgb.r, rgb.g, rgb.b);
}
