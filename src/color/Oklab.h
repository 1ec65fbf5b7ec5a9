#pragma once

#include "color/Color.h"
#include "color/Srgb.h"

// Björn Ottosson's Oklab perceptual colour space with the matrices CSS Color 4 publishes (from CIE XYZ, D65
// white, Y of white 1), and its polar form OKLCH. Lightness L runs 0 (black) to 1 (white); a and b are signed,
// about -0.4..0.4 for sRGB colours.

struct Oklab {
    double L = 0;
    double a = 0;
    double b = 0;
};

struct Oklch {
    double L = 0;
    double C = 0; // chroma, >= 0
    double H = 0; // hue angle in degrees, 0 <= H < 360; 0 when C is 0
};

struct Xyz {
    double X = 0;
    double Y = 0;
    double Z = 0;
};

// CIE XYZ (D65, white Y = 1) of linear sRGB light.
Xyz LinearRgbToXyz(const LinearRgb& rgb);
// Linear sRGB of CIE XYZ (may fall outside 0..1 for colours sRGB cannot show).
LinearRgb XyzToLinearRgb(const Xyz& xyz);
// Oklab of CIE XYZ.
Oklab XyzToOklab(const Xyz& xyz);
// CIE XYZ of Oklab.
Xyz OklabToXyz(const Oklab& lab);
// Oklab of a colour value.
Oklab ColorToOklab(ColorValue c);
// The nearest colour value of an Oklab colour: back to linear sRGB, each channel clipped to 0..1, then rounded.
ColorValue OklabToColor(const Oklab& lab);
// Polar form: chroma and hue in degrees.
Oklch ToOklch(const Oklab& lab);
// Rectangular form of an OKLCH colour.
Oklab FromOklch(const Oklch& lch);
// Squared Euclidean distance, enough to compare which of two colours is nearer.
inline double OklabDistanceSquared(const Oklab& p, const Oklab& q)
{
    const double dL = p.L - q.L;
    const double da = p.a - q.a;
    const double db = p.b - q.b;
    return dL * dL + da * da + db * db;
}
