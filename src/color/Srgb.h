#pragma once

#include "color/Color.h"

#include <array>

// The sRGB transfer function (IEC 61966-2-1, as CSS Color 4 uses it: encoded values at or below 0.04045 are on
// the straight segment). Everything that needs light intensities (Oklab, contrast, colour-vision simulation)
// goes through here, so there is one rule for linearising a channel.

// Encoded 0..1 to linear light 0..1; values outside 0..1 are mirrored, as CSS does for extended sRGB.
double SrgbToLinear(double encoded);
// Linear light to encoded 0..1 (the inverse of SrgbToLinear).
double LinearToSrgb(double linear);
// Linear light of each of the 256 channel values, worked out on first use.
const std::array<double, 256>& LinearChannelTable();
// Linear light of one channel 0..255, from the table.
inline double LinearChannel(int channel) { return LinearChannelTable()[static_cast<std::size_t>(channel & 0xFF)]; }
// Linear light to the nearest channel 0..255 (clipped to the range first).
int LinearToChannel(double linear);

struct LinearRgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

// The colour's three channels as linear light.
inline LinearRgb ToLinearRgb(ColorValue c)
{
    return { LinearChannel(Red(c)), LinearChannel(Green(c)), LinearChannel(Blue(c)) };
}
// Linear light back to a colour value, each channel clipped to 0..255.
inline ColorValue FromLinearRgb(const LinearRgb& rgb)
{
    return Pack(LinearToChannel(rgb.r), LinearToChannel(rgb.g), LinearToChannel(rgb.b));
}
