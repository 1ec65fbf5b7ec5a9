#pragma once

#include "color/Color.h"

#include <cstdint>
#include <span>

// Colours worked out once apart from the program (tools/make_color_reference.py), colours as 0xRRGGBB.
struct ReferenceColor {
    std::uint32_t rgb;
    double L, a, b;
    std::uint32_t protanopia, deuteranopia, tritanopia, achromatopsia;
};

std::span<const ReferenceColor> ReferenceColors();

constexpr ColorValue FromWebHex(std::uint32_t rrggbb)
{
    return Pack(static_cast<int>(rrggbb >> 16), static_cast<int>(rrggbb >> 8), static_cast<int>(rrggbb));
}
