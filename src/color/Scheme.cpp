#include "Scheme.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <initializer_list>

namespace {

// Lightness of the inner variants moves away from the base's side of 0.7.
double ShiftedLightness(double l, double baseL, double amount)
{
    return baseL <= 0.7 ? l + amount : l - amount;
}

enum class WalkAdjust { None, Yellow, Red };

struct WalkBand {
    int last; // inclusive upper bound of the rounded hue
    double step;
    WalkAdjust adjust;
};

// The painter's wheel: uneven hue steps so that red's opposite is green, not cyan.
constexpr WalkBand kRybWalk[] = {
    { 14, 1, WalkAdjust::None },
    { 30, 0.5, WalkAdjust::None },
    { 80, 0.4, WalkAdjust::Yellow },
    { 100, 3, WalkAdjust::None },
    { 185, 4, WalkAdjust::None },
    { 199, 1, WalkAdjust::None },
    { 210, 0.5, WalkAdjust::None },
    { 299, 1, WalkAdjust::None },
    { 311, 10, WalkAdjust::None },
    { 347, 1, WalkAdjust::None },
    { 359, 2, WalkAdjust::Red },
};

const WalkBand& BandFor(int c)
{
    for (const WalkBand& band : kRybWalk) {
        if (c <= band.last)
            return band;
    }
    return kRybWalk[std::size(kRybWalk) - 1];
}

} // namespace

SchemeColorArray ComputeRgbScheme(ColorValue base)
{
    const Hsl hsl = RgbToHsl(base);
    SchemeColorArray out {};
    for (int k = 0; k < 12; ++k) {
        double h = hsl.h + k / 12.0;
        if (h > 1)
            h -= 1;
        out[k] = HslToRgb(h, hsl.s, hsl.l);
    }
    const double l1 = ShiftedLightness(hsl.l, hsl.l, 0.1);
    const double l2 = ShiftedLightness(hsl.l, hsl.l, 0.2);
    double hc = hsl.h;
    for (int i = 0; i < 3; ++i) {
        hc += 1.0 / 6.0;
        if (hc > 1)
            hc -= 1;
    }
    out[12] = HslToRgb(hsl.h, hsl.s, l1);
    out[13] = HslToRgb(hsl.h, hsl.s, l2);
    out[14] = HslToRgb(hc, hsl.s, l1);
    out[15] = HslToRgb(hc, hsl.s, l2);
    return out;
}

SchemeColorArray ComputeRybScheme(ColorValue base)
{
    const Hsl hsl = RgbToHsl(base);
    const double l0 = hsl.l;
    double h = hsl.h * 360;
    double s = hsl.s;
    double l = hsl.l;
    SchemeColorArray out {};
    for (int i = 0; i < 360; ++i) {
        if (h > 359)
            h -= 359;
        if (i % 30 == 0)
            out[i / 30] = HslToRgb(h / 360, s, l);
        const WalkBand& band = BandFor(RoundHalfEven(h));
        h += band.step;
        if (band.adjust == WalkAdjust::Yellow && h > 69 && h < 76 && l0 < 0.8) {
            if (l0 > 0.39)
                l -= 1.0 / 240.0;
            s -= 1.0 / 150.0;
            if (s < 0)
                s = 0;
            if (l < 0)
                l = 0;
        } else if (band.adjust == WalkAdjust::Red && l0 < 0.8) {
            l += 0.0125;
            s += 0.02;
            if (l > 1)
                l = 1;
            if (l > l0)
                l = l0;
            if (s > 1)
                s = 1;
        }
    }
    int slot = 12;
    for (int ringIndex : { 0, 6 }) {
        const Hsl r = RgbToHsl(out[ringIndex]);
        out[slot++] = HslToRgb(r.h, r.s, ShiftedLightness(r.l, l0, 0.1));
        out[slot++] = HslToRgb(r.h, r.s, ShiftedLightness(r.l, l0, 0.2));
    }
    return out;
}

SchemeColorArray ComputeScheme(ColorValue base, WheelMode mode)
{
    return mode == WheelMode::Traditional ? ComputeRybScheme(base) : ComputeRgbScheme(base);
}

bool IsHarmonyMember(int index, Harmony harmony)
{
    // One bit per swatch index.
    static constexpr std::uint16_t kMembers[kHarmonyCount] = {
        0,
        1u << 0 | 1u << 6,
        1u << 0 | 1u << 5 | 1u << 7,
        1u << 0 | 1u << 4 | 1u << 8,
        1u << 0 | 1u << 3 | 1u << 6 | 1u << 9,
        1u << 0 | 1u << 1 | 1u << 11,
        1u << 0 | 1u << 12 | 1u << 13,
    };
    if (index < 0 || index > 15)
        return false;
    return (kMembers[static_cast<int>(harmony)] >> index) & 1u;
}
