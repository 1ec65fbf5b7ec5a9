#include "PaletteStrip.h"

#include "platform/Canvas.h"

#include <algorithm>
#include <array>

QImage DrawPaletteFrame(qreal ratio)
{
    constexpr int W = kPaletteWidth;
    constexpr int H = kPaletteHeight;
    QImage strip = canvas::NewPicture(W, H, canvas::ButtonFace(), ratio);
    canvas::Rectangle(strip, 0, 0, W - 1, H - 1, canvas::ButtonShadow(), std::nullopt);
    canvas::Rectangle(strip, 1, 1, W - 1, H - 1, qRgb(255, 255, 255), std::nullopt);
    return strip;
}

QImage DrawWebsafePalette(qreal ratio)
{
    QImage strip = DrawPaletteFrame(ratio);
    for (int r = 0; r < 6; ++r) {
        for (int g = 0; g < 6; ++g) {
            for (int b = 0; b < 6; ++b) {
                const int k = 6 * g + b;
                const int x = 2 + 7 * k;
                const int y = 2 + 7 * r;
                canvas::Rectangle(strip, x, y, x + 8, y + 8, qRgb(0, 0, 0), qRgb(51 * r, 51 * g, 51 * b));
            }
        }
    }
    return strip;
}

QImage DrawSpectrumPalette(bool websafe, qreal ratio)
{
    QImage strip = DrawPaletteFrame(ratio);
    // The 360 hue steps fall on 253 columns and the 91 lightness steps on 43 rows, each step drawn over the one
    // before: the last hue and the last lightness that land on a pixel are the ones seen, so each pixel is
    // worked out once from those two rather than overwritten again and again.
    std::array<int, kPaletteWidth> hueOfColumn;
    hueOfColumn.fill(-1);
    for (int i = 0; i <= 359; ++i)
        hueOfColumn[RoundHalfEven(i / 359.0 * 252 + 2)] = i;
    std::array<int, kPaletteHeight> lightnessOfRow;
    lightnessOfRow.fill(-1);
    for (int j = 8; j <= 98; ++j)
        lightnessOfRow[RoundHalfEven((98 - j) / 100.0 * 47 + 2)] = j;
    for (int y = 0; y < kPaletteHeight; ++y) {
        if (lightnessOfRow[y] < 0)
            continue;
        auto* line = ratio == 1 ? reinterpret_cast<QRgb*>(strip.scanLine(y)) : nullptr;
        for (int x = 0; x < kPaletteWidth; ++x) {
            if (hueOfColumn[x] < 0)
                continue;
            ColorValue c = HslToRgb(hueOfColumn[x] / 360.0, 0.9, lightnessOfRow[y] / 100.0);
            if (websafe)
                c = SnapToWebsafe(c);
            if (ratio == 1)
                line[x] = canvas::ToRgb(c);
            else
                canvas::FillRect(strip, x, y, x + 1, y + 1, canvas::ToRgb(c));
        }
    }
    canvas::Rectangle(strip, 2, 2, kPaletteWidth - 2, kPaletteHeight - 2, qRgb(0, 0, 0), std::nullopt);
    return strip;
}

QImage DrawPalette(PaletteKind kind, qreal ratio)
{
    switch (kind) {
    case PaletteKind::Websafe:
        return DrawWebsafePalette(ratio);
    case PaletteKind::Spectrum:
        return DrawSpectrumPalette(false, ratio);
    case PaletteKind::WebsafeSpectrum:
        return DrawSpectrumPalette(true, ratio);
    }
    return DrawPaletteFrame(ratio);
}

std::optional<ColorValue> PickPaletteColor(const QImage& strip, int x, int y)
{
    const QSize size = canvas::LogicalSize(strip);
    if (x <= 2 || x >= size.width() - 3 || y <= 2 || y >= size.height() - 3)
        return std::nullopt;
    const ColorValue c = canvas::FromRgb(canvas::PixelAt(strip, { x, y }));
    // Black is the grid and the outline, except for the black cell in the top-left corner.
    if (c == 0 && !(x < 9 && y < 9))
        return std::nullopt;
    return c;
}

int PaletteGrid::Step(int cell, int columnsAcross, int rowsDown) const
{
    const int column = std::clamp(cell % columns + columnsAcross, 0, columns - 1);
    const int row = std::clamp(cell / columns + rowsDown, 0, rows - 1);
    return row * columns + column;
}

PaletteGrid PaletteCells(std::optional<PaletteKind> kind)
{
    if (!kind)
        return {};
    if (*kind == PaletteKind::Websafe)
        return { 36, 6, { 6, 6 }, 7 };
    // Every pixel the pick test admits inside the outline.
    return { kPaletteWidth - 6, kPaletteHeight - 6, { 3, 3 }, 1 };
}
