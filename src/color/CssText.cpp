#include "CssText.h"

#include "Oklab.h"

#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr std::array<CssTextForm, 3> kForms { {
    { "rgb", CssRgbText },
    { "hsl", CssHslText },
    { "oklch", CssOklchText },
} };

// Rounds to the decimals the text will show, so that a value which shows as 360 (or 100) can be caught first.
double RoundTo(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::nearbyint(value * scale) / scale;
}

} // namespace

std::string DecimalText(double value, int decimals)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, error == std::errc() ? end : buffer);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string CssRgbText(ColorValue c)
{
    return "rgb(" + std::to_string(Red(c)) + ' ' + std::to_string(Green(c)) + ' ' + std::to_string(Blue(c)) + ')';
}

std::string CssHslText(ColorValue c)
{
    const Hsl hsl = RgbToHsl(c);
    double hue = RoundTo(hsl.h * 360, 1);
    if (hue >= 360)
        hue = 0;
    return "hsl(" + DecimalText(hue, 1) + ' ' + DecimalText(hsl.s * 100, 1) + "% " + DecimalText(hsl.l * 100, 1)
        + "%)";
}

std::string CssOklchText(ColorValue c)
{
    const Oklch lch = ToOklch(ColorToOklab(c));
    const double chroma = RoundTo(lch.C, 5);
    double hue = chroma == 0 ? 0 : RoundTo(lch.H, 2);
    if (hue >= 360)
        hue = 0;
    return "oklch(" + DecimalText(lch.L, 4) + ' ' + DecimalText(chroma, 5) + ' ' + DecimalText(hue, 2) + ')';
}

std::span<const CssTextForm> CssTextForms()
{
    return kForms;
}
