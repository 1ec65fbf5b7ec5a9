#pragma once

#include "color/Color.h"

#include <span>
#include <string>

// A colour as CSS Color 4 writes it in its space-separated syntax, for pasting into style sheets and design
// tools. Numbers are plain decimals with trailing zeros dropped ("50%", not "50.0%"), never in the user's
// locale. Each form carries enough digits to convert back to the very colour value it was written from (a browser,
// rounding its own way, lands within one step per channel).

// "rgb(R G B)" with the channels in decimal: rgb(255 0 255).
std::string CssRgbText(ColorValue c);
// "hsl(H S% L%)": hue in degrees, saturation and lightness in percent, each to at most one decimal:
// hsl(300 100% 50%), hsl(210.5 43.2% 36.1%). Greys have hue 0 and saturation 0%.
std::string CssHslText(ColorValue c);
// "oklch(L C H)": lightness as a number 0..1 to at most four decimals, chroma to at most five, hue in degrees to
// at most two: oklch(0.628 0.25768 29.23), the fewest digits that bring every colour back to itself. A colour
// whose chroma rounds to 0 writes hue 0 rather than the keyword none: the hue has no effect there, and 0 is read
// by every parser of oklch(), including the older ones that do not know none.
std::string CssOklchText(ColorValue c);
struct CssTextForm {
    const char* function; // "rgb", "hsl", "oklch": names a menu entry; the text starts with it and "("
    std::string (*text)(ColorValue);
};

// The three forms above in the order copy menus list them: rgb(), hsl(), oklch().
std::span<const CssTextForm> CssTextForms();
// A number with at most the given decimals, trailing zeros and a trailing point dropped, "-0" written as "0".
std::string DecimalText(double value, int decimals);
