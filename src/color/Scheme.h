#pragma once

#include "Color.h"

#include <array>

// Sixteen derived colours: 0..11 the ring round the wheel from the base, 12..15 the inner variants.
using SchemeColorArray = std::array<ColorValue, 16>;

enum class WheelMode { Traditional, Computer }; // RYB (painter's), RGB

// Numbered as stored in the settings file.
enum class Harmony { None = 0, Complements, SplitComplements, Triads, Tetrads, Analogous, Monochromatic };
constexpr int kHarmonyCount = 7;

SchemeColorArray ComputeRgbScheme(ColorValue base);
SchemeColorArray ComputeRybScheme(ColorValue base);
SchemeColorArray ComputeScheme(ColorValue base, WheelMode mode);

// Whether swatch index 0..15 is part of the harmony's highlighted set.
bool IsHarmonyMember(int index, Harmony harmony);
