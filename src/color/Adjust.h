#pragma once

#include "Color.h"

enum class Adjustment { Lighten, Darken, Saturate, Desaturate };

// The colour one step lighter, darker, more or less saturated, with the hue kept. Lightness and saturation
// stop at 0 and 1, so a colour already at the end of its range comes back unchanged.
ColorValue AdjustColor(ColorValue color, Adjustment adjustment, int stepPercent);
