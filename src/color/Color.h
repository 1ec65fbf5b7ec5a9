#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// A colour as the program stores it everywhere (files, settings, state): 0x00BBGGRR.
using ColorValue = std::uint32_t;

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Hsl {
    double h = 0; // one turn is 1.0: 0 red, 1/3 green, 2/3 blue
    double s = 0;
    double l = 0;
};

constexpr ColorValue Pack(int r, int g, int b)
{
    return static_cast<ColorValue>(r & 0xFF) | (static_cast<ColorValue>(g & 0xFF) << 8)
        | (static_cast<ColorValue>(b & 0xFF) << 16);
}
constexpr int Red(ColorValue c) { return static_cast<int>(c & 0xFF); }
constexpr int Green(ColorValue c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int Blue(ColorValue c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr Rgb Channels(ColorValue c) { return { Red(c), Green(c), Blue(c) }; }

// Nearest integer, exact halves to the even neighbour.
int RoundHalfEven(double v);

Hsl RgbToHsl(ColorValue c);
ColorValue HslToRgb(double h, double s, double l);
inline ColorValue HslToRgb(const Hsl& hsl) { return HslToRgb(hsl.h, hsl.s, hsl.l); }
int HueToChannel(double x, double m1, double m2);

int SnapToWebsafe(int channel);
bool IsWebsafe(int r, int g, int b);
inline bool IsWebsafe(ColorValue c) { return IsWebsafe(Red(c), Green(c), Blue(c)); }
ColorValue SnapToWebsafe(ColorValue c);

std::string HexText(int r, int g, int b);          // RRGGBB
inline std::string HexText(ColorValue c) { return HexText(Red(c), Green(c), Blue(c)); }
std::string HashHexText(ColorValue c);             // #RRGGBB
std::string CommaText(int r, int g, int b);        // R,G,B
inline std::string CommaText(ColorValue c) { return CommaText(Red(c), Green(c), Blue(c)); }
std::string StatusRgbText(ColorValue c);           // " RGB: R.G.B"
std::string StatusHexText(ColorValue c);           // " HEX: #RRGGBB"

// The value of one hexadecimal digit in either case, or -1 for any other character.
int HexDigitValue(char32_t ch);

// Six characters to channels; a pair stops at its first non-hex character. Other lengths give nothing.
bool ParseHexText(const std::string& text, Rgb& out);

// A colour in one of the three texts the copy menus give (RRGGBB, #RRGGBB or R,G,B with channels 0..255), with
// spaces and line breaks around it or its numbers; anything else gives nothing.
std::optional<ColorValue> ParseColorText(std::string_view text);
