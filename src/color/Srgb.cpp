#include "Srgb.h"

#include <algorithm>
#include <cmath>

double SrgbToLinear(double encoded)
{
    const double v = std::abs(encoded);
    const double linear = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    return std::copysign(linear, encoded);
}

double LinearToSrgb(double linear)
{
    const double v = std::abs(linear);
    const double encoded = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
    return std::copysign(encoded, linear);
}

const std::array<double, 256>& LinearChannelTable()
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> t {};
        for (int i = 0; i < 256; ++i)
            t[static_cast<std::size_t>(i)] = SrgbToLinear(i / 255.0);
        return t;
    }();
    return table;
}

int LinearToChannel(double linear)
{
    return RoundHalfEven(LinearToSrgb(std::clamp(linear, 0.0, 1.0)) * 255);
}
