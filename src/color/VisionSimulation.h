#pragma once

#include "color/Color.h"

#include <cstddef>
#include <cstdint>
#include <span>

// How colours look to people with a colour-vision deficiency, for previewing a scheme. Every mode keeps black,
// white and every grey exactly as they are; Normal changes nothing and costs nothing.
//
// Protanopia and deuteranopia use Machado, Oliveira and Fernandes (2009) at severity 1 in linear sRGB.
// Tritanopia uses Brettel, Viénot and Mollon (1997) as Viénot, Brettel and Mollon (1999) apply it to screens:
// in Smith and Pokorny's cone space the S response is replaced so that the colour lands on one of two half-planes
// through white, anchored at 485 nm and 660 nm. Achromatopsia shows the relative luminance as a grey.

enum class VisionMode { Normal, Protanopia, Deuteranopia, Tritanopia, Achromatopsia };

struct VisionModeInfo {
    VisionMode mode;
    const char* name; // as menus show it: "Normal", "Protanopia", ...
};

// Every mode in menu order, Normal first.
std::span<const VisionModeInfo> VisionModes();
// The name menus show for a mode.
const char* VisionModeName(VisionMode mode);
// A colour as seen in the mode.
ColorValue SimulateVision(ColorValue c, VisionMode mode);
// Rewrites painted pixels in place as seen in the mode. Pixels are 32-bit 0xAARRGGBB words (a QImage of
// Format_RGB32 or Format_ARGB32, or an opaque Format_ARGB32_Premultiplied one); alpha is kept. Runs of one
// colour and greys cost almost nothing; with Normal nothing is touched. Each pixel gives exactly what
// SimulateVision gives its colour.
void SimulateVisionOnPixels(std::uint32_t* pixels, std::size_t count, VisionMode mode);
