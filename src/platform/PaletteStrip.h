#pragma once

#include "color/Color.h"
#include "persist/Settings.h"

#include <QImage>

#include <optional>

// The strip of colours below the swatch grid, drawn once and copied on whenever it is shown.
constexpr int kPaletteWidth = 257;
constexpr int kPaletteHeight = 47;

// Each drawn for a screen of the given device pixel ratio.
QImage DrawPaletteFrame(qreal ratio = 1);
QImage DrawWebsafePalette(qreal ratio = 1);
QImage DrawSpectrumPalette(bool websafe, qreal ratio = 1);
QImage DrawPalette(PaletteKind kind, qreal ratio = 1);

// The colour a pointer at logical (x, y) picks from the strip's picture, or nothing over the frame and the grid
// lines.
std::optional<ColorValue> PickPaletteColor(const QImage& strip, int x, int y);
