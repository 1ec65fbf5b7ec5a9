#include "NamedColors.h"

#include "Oklab.h"

#include <algorithm>
#include <array>

namespace {

// Colours as style sheets write them, 0xRRGGBB, so the table reads like the keyword list it copies.
constexpr ColorValue Web(std::uint32_t rrggbb)
{
    return Pack(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8), static_cast<int>(rrggbb));
}

// The CSS named colour keywords, in alphabetical order (which decides ties, see the header).
constexpr std::array<NamedColor, kNamedColorCount> kNamedColors { {
    { "aliceblue", Web(0xF0F8FF) },
    { "antiquewhite", Web(0xFAEBD7) },
    { "aqua", Web(0x00FFFF) },
    { "aquamarine", Web(0x7FFFD4) },
    { "azure", Web(0xF0FFFF) },
    { "beige", Web(0xF5F5DC) },
    { "bisque", Web(0xFFE4C4) },
    { "black", Web(0x000000) },
    { "blanchedalmond", Web(0xFFEBCD) },
    { "blue", Web(0x0000FF) },
    { "blueviolet", Web(0x8A2BE2) },
    { "brown", Web(0xA52A2A) },
    { "burlywood", Web(0xDEB887) },
    { "cadetblue", Web(0x5F9EA0) },
    { "chartreuse", Web(0x7FFF00) },
    { "chocolate", Web(0xD2691E) },
    { "coral", Web(0xFF7F50) },
    { "cornflowerblue", Web(0x6495ED) },
    { "cornsilk", Web(0xFFF8DC) },
    { "crimson", Web(0xDC143C) },
    { "cyan", Web(0x00FFFF) },
    { "darkblue", Web(0x00008B) },
    { "darkcyan", Web(0x008B8B) },
    { "darkgoldenrod", Web(0xB8860B) },
    { "darkgray", Web(0xA9A9A9) },
    { "darkgreen", Web(0x006400) },
    { "darkgrey", Web(0xA9A9A9) },
    { "darkkhaki", Web(0xBDB76B) },
    { "darkmagenta", Web(0x8B008B) },
    { "darkolivegreen", Web(0x556B2F) },
    { "darkorange", Web(0xFF8C00) },
    { "darkorchid", Web(0x9932CC) },
    { "darkred", Web(0x8B0000) },
    { "darksalmon", Web(0xE9967A) },
    { "darkseagreen", Web(0x8FBC8F) },
    { "darkslateblue", Web(0x483D8B) },
    { "darkslategray", Web(0x2F4F4F) },
    { "darkslategrey", Web(0x2F4F4F) },
    { "darkturquoise", Web(0x00CED1) },
    { "darkviolet", Web(0x9400D3) },
    { "deeppink", Web(0xFF1493) },
    { "deepskyblue", Web(0x00BFFF) },
    { "dimgray", Web(0x696969) },
    { "dimgrey", Web(0x696969) },
    { "dodgerblue", Web(0x1E90FF) },
    { "firebrick", Web(0xB22222) },
    { "floralwhite", Web(0xFFFAF0) },
    { "forestgreen", Web(0x228B22) },
    { "fuchsia", Web(0xFF00FF) },
    { "gainsboro", Web(0xDCDCDC) },
    { "ghostwhite", Web(0xF8F8FF) },
    { "gold", Web(0xFFD700) },
    { "goldenrod", Web(0xDAA520) },
    { "gray", Web(0x808080) },
    { "green", Web(0x008000) },
    { "greenyellow", Web(0xADFF2F) },
    { "grey", Web(0x808080) },
    { "honeydew", Web(0xF0FFF0) },
    { "hotpink", Web(0xFF69B4) },
    { "indianred", Web(0xCD5C5C) },
    { "indigo", Web(0x4B0082) },
    { "ivory", Web(0xFFFFF0) },
    { "khaki", Web(0xF0E68C) },
    { "lavender", Web(0xE6E6FA) },
    { "lavenderblush", Web(0xFFF0F5) },
    { "lawngreen", Web(0x7CFC00) },
    { "lemonchiffon", Web(0xFFFACD) },
    { "lightblue", Web(0xADD8E6) },
    { "lightcoral", Web(0xF08080) },
    { "lightcyan", Web(0xE0FFFF) },
    { "lightgoldenrodyellow", Web(0xFAFAD2) },
    { "lightgray", Web(0xD3D3D3) },
    { "lightgreen", Web(0x90EE90) },
    { "lightgrey", Web(0xD3D3D3) },
    { "lightpink", Web(0xFFB6C1) },
    { "lightsalmon", Web(0xFFA07A) },
    { "lightseagreen", Web(0x20B2AA) },
    { "lightskyblue", Web(0x87CEFA) },
    { "lightslategray", Web(0x778899) },
    { "lightslategrey", Web(0x778899) },
    { "lightsteelblue", Web(0xB0C4DE) },
    { "lightyellow", Web(0xFFFFE0) },
    { "lime", Web(0x00FF00) },
    { "limegreen", Web(0x32CD32) },
    { "linen", Web(0xFAF0E6) },
    { "magenta", Web(0xFF00FF) },
    { "maroon", Web(0x800000) },
    { "mediumaquamarine", Web(0x66CDAA) },
    { "mediumblue", Web(0x0000CD) },
    { "mediumorchid", Web(0xBA55D3) },
    { "mediumpurple", Web(0x9370DB) },
    { "mediumseagreen", Web(0x3CB371) },
    { "mediumslateblue", Web(0x7B68EE) },
    { "mediumspringgreen", Web(0x00FA9A) },
    { "mediumturquoise", Web(0x48D1CC) },
    { "mediumvioletred", Web(0xC71585) },
    { "midnightblue", Web(0x191970) },
    { "mintcream", Web(0xF5FFFA) },
    { "mistyrose", Web(0xFFE4E1) },
    { "moccasin", Web(0xFFE4B5) },
    { "navajowhite", Web(0xFFDEAD) },
    { "navy", Web(0x000080) },
    { "oldlace", Web(0xFDF5E6) },
    { "olive", Web(0x808000) },
    { "olivedrab", Web(0x6B8E23) },
    { "orange", Web(0xFFA500) },
    { "orangered", Web(0xFF4500) },
    { "orchid", Web(0xDA70D6) },
    { "palegoldenrod", Web(0xEEE8AA) },
    { "palegreen", Web(0x98FB98) },
    { "paleturquoise", Web(0xAFEEEE) },
    { "palevioletred", Web(0xDB7093) },
    { "papayawhip", Web(0xFFEFD5) },
    { "peachpuff", Web(0xFFDAB9) },
    { "peru", Web(0xCD853F) },
    { "pink", Web(0xFFC0CB) },
    { "plum", Web(0xDDA0DD) },
    { "powderblue", Web(0xB0E0E6) },
    { "purple", Web(0x800080) },
    { "rebeccapurple", Web(0x663399) },
    { "red", Web(0xFF0000) },
    { "rosybrown", Web(0xBC8F8F) },
    { "royalblue", Web(0x4169E1) },
    { "saddlebrown", Web(0x8B4513) },
    { "salmon", Web(0xFA8072) },
    { "sandybrown", Web(0xF4A460) },
    { "seagreen", Web(0x2E8B57) },
    { "seashell", Web(0xFFF5EE) },
    { "sienna", Web(0xA0522D) },
    { "silver", Web(0xC0C0C0) },
    { "skyblue", Web(0x87CEEB) },
    { "slateblue", Web(0x6A5ACD) },
    { "slategray", Web(0x708090) },
    { "slategrey", Web(0x708090) },
    { "snow", Web(0xFFFAFA) },
    { "springgreen", Web(0x00FF7F) },
    { "steelblue", Web(0x4682B4) },
    { "tan", Web(0xD2B48C) },
    { "teal", Web(0x008080) },
    { "thistle", Web(0xD8BFD8) },
    { "tomato", Web(0xFF6347) },
    { "turquoise", Web(0x40E0D0) },
    { "violet", Web(0xEE82EE) },
    { "wheat", Web(0xF5DEB3) },
    { "white", Web(0xFFFFFF) },
    { "whitesmoke", Web(0xF5F5F5) },
    { "yellow", Web(0xFFFF00) },
    { "yellowgreen", Web(0x9ACD32) },
} };

bool EqualIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

const std::array<Oklab, kNamedColorCount>& NamedColorsOklab()
{
    static const std::array<Oklab, kNamedColorCount> table = [] {
        std::array<Oklab, kNamedColorCount> t {};
        for (std::size_t i = 0; i < kNamedColorCount; ++i)
            t[i] = ColorToOklab(kNamedColors[i].value);
        return t;
    }();
    return table;
}

} // namespace

std::span<const NamedColor, kNamedColorCount> NamedColors()
{
    return kNamedColors;
}

std::optional<ColorValue> FindNamedColor(std::string_view name)
{
    for (const NamedColor& named : kNamedColors)
        if (EqualIgnoringAsciiCase(named.name, name))
            return named.value;
    return std::nullopt;
}

NamedColorMatch NearestNamedColor(ColorValue c)
{
    for (const NamedColor& named : kNamedColors)
        if (named.value == c)
            return { named, true };
    const Oklab lab = ColorToOklab(c);
    const std::array<Oklab, kNamedColorCount>& labs = NamedColorsOklab();
    std::size_t best = 0;
    double bestDistance = OklabDistanceSquared(lab, labs[0]);
    for (std::size_t i = 1; i < kNamedColorCount; ++i) {
        const double distance = OklabDistanceSquared(lab, labs[i]);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return { kNamedColors[best], false };
}

std::string ColorNameText(ColorValue c)
{
    const NamedColorMatch match = NearestNamedColor(c);
    std::string text = match.exact ? std::string() : std::string("\xE2\x89\x88 ") /* ≈ */;
    text += match.color.name;
    return text;
}
