#include "Oklab.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

struct Vec3 {
    double x, y, z;
};

constexpr Vec3 Apply(const Matrix& m, const Vec3& v)
{
    return { m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
        m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z };
}

// sRGB primaries and D65 white as exact fractions, so that white comes out at the published D65 white.
constexpr Matrix kLinearRgbToXyz { { { 506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218 },
    { 87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545 },
    { 7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270 } } };
constexpr Matrix kXyzToLinearRgb { { { 12831.0 / 3959, -329.0 / 214, -1974.0 / 3959 },
    { -851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810 }, { 705.0 / 12673, -2585.0 / 12673, 705.0 / 667 } } };

// Oklab's two matrices, recomputed for the D65 white above so that white has a = b = 0.
constexpr Matrix kXyzToLms { { { 0.8190224379967030, 0.3619062600528904, -0.1288737815209879 },
    { 0.0329836539323885, 0.9292868615863434, 0.0361446663506424 },
    { 0.0481771893596242, 0.2642395317527308, 0.6335478284694309 } } };
constexpr Matrix kLmsToXyz { { { 1.2268798758459243, -0.5578149944602171, 0.2813910456659647 },
    { -0.0405757452148008, 1.1122868032803170, -0.0717110580655164 },
    { -0.0763729366746601, -0.4214933324022432, 1.5869240198367816 } } };
constexpr Matrix kLmsToOklab { { { 0.2104542683093140, 0.7936177747023054, -0.0040720430116193 },
    { 1.9779985324311684, -2.4285922420485799, 0.4505937096174110 },
    { 0.0259040424655478, 0.7827717124575296, -0.8086757549230774 } } };
constexpr Matrix kOklabToLms { { { 1.0, 0.3963377773761749, 0.2158037573099136 },
    { 1.0, -0.1055613458156586, -0.0638541728258133 }, { 1.0, -0.0894841775298119, -1.2914855480194092 } } };

// Below this chroma the hue is noise from rounding: greys computed in floating point land about 1e-8 away from
// the axis, and an arbitrary angle there would only make texts differ between equal greys.
constexpr double kAchromaticChroma = 1e-6;

} // namespace

Xyz LinearRgbToXyz(const LinearRgb& rgb)
{
    const Vec3 v = Apply(kLinearRgbToXyz, { rgb.r, rgb.g, rgb.b });
    return { v.x, v.y, v.z };
}

LinearRgb XyzToLinearRgb(const Xyz& xyz)
{
    const Vec3 v = Apply(kXyzToLinearRgb, { xyz.X, xyz.Y, xyz.Z });
    return { v.x, v.y, v.z };
}

Oklab XyzToOklab(const Xyz& xyz)
{
    const Vec3 lms = Apply(kXyzToLms, { xyz.X, xyz.Y, xyz.Z });
    const Vec3 lab = Apply(kLmsToOklab, { std::cbrt(lms.x), std::cbrt(lms.y), std::cbrt(lms.z) });
    return { lab.x, lab.y, lab.z };
}

Xyz OklabToXyz(const Oklab& lab)
{
    const Vec3 root = Apply(kOklabToLms, { lab.L, lab.a, lab.b });
    const Vec3 xyz = Apply(kLmsToXyz, { root.x * root.x * root.x, root.y * root.y * root.y, root.z * root.z * root.z });
    return { xyz.x, xyz.y, xyz.z };
}

Oklab ColorToOklab(ColorValue c)
{
    return XyzToOklab(LinearRgbToXyz(ToLinearRgb(c)));
}

ColorValue OklabToColor(const Oklab& lab)
{
    return FromLinearRgb(XyzToLinearRgb(OklabToXyz(lab)));
}

Oklch ToOklch(const Oklab& lab)
{
    const double chroma = std::hypot(lab.a, lab.b);
    if (chroma < kAchromaticChroma)
        return { lab.L, chroma, 0 };
    double hue = std::atan2(lab.b, lab.a) * 180 / std::numbers::pi;
    if (hue < 0)
        hue += 360;
    return { lab.L, chroma, hue >= 360 ? 0 : hue };
}

Oklab FromOklch(const Oklch& lch)
{
    const double radians = lch.H * std::numbers::pi / 180;
    return { lch.L, lch.C * std::cos(radians), lch.C * std::sin(radians) };
}
