#pragma once

#include "color/Color.h"
#include "persist/Settings.h"

#include <QImage>
#include <QPoint>
#include <QRect>

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

// The strip's colours as the keyboard walks them, row by row: the websafe palette's cells, or each pixel column and
// row of a spectrum. A strip without a palette has none.
struct PaletteGrid {
    int columns = 0;
    int rows = 0;
    QPoint first; // the middle of the top-left cell, in strip coordinates
    int pitch = 1;

    int Count() const { return columns * rows; }
    QPoint CellPoint(int cell) const { return first + QPoint(cell % columns, cell / columns) * pitch; }
    QRect CellArea(int cell) const { return { CellPoint(cell) - QPoint(pitch / 2, pitch / 2), QSize(pitch, pitch) }; }
    // The cell a number of columns and rows away, held at the grid's edges.
    int Step(int cell, int columnsAcross, int rowsDown) const;
};
PaletteGrid PaletteCells(std::optional<PaletteKind> kind);
