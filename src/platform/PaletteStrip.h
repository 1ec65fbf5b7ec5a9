#pragma once

#include "color/Color.h"
#include "persist/Settings.h"

#include <QImage>

#include <optional>

// The strip of colours below the swatch grid, drawn once and copied on whenever it is shown.
constexpr int kPaletteWidth = 257;
constexpr int kPaletteHeight = 47;

QImage DrawPaletteFrame();
QImage DrawWebsafePalette();
QImage DrawSpectrumPalette(bool websafe);
QImage DrawPalette(PaletteKind kind);

// The colour a pointer at (x, y) picks from the strip's picture, or nothing over the frame and the grid lines.
std::optional<ColorValue> PickPaletteColor(const QImage& strip, int x, int y);
