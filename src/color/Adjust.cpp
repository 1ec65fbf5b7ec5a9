#include "Adjust.h"

#include <algorithm>

ColorValue AdjustColor(ColorValue color, Adjustment adjustment, int stepPercent)
{
    Hsl hsl = RgbToHsl(color);
    const double step = stepPercent / 100.0;
    switch (adjustment) {
    case Adjustment::Lighten:
        hsl.l = std::min(hsl.l + step, 1.0);
        break;
    case Adjustment::Darken:
        hsl.l = std::max(hsl.l - step, 0.0);
        break;
    case Adjustment::Saturate:
        hsl.s = std::min(hsl.s + step, 1.0);
        break;
    case Adjustment::Desaturate:
        hsl.s = std::max(hsl.s - step, 0.0);
        break;
    }
    return HslToRgb(hsl);
}
