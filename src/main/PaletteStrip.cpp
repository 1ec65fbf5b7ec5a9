#include "PaletteStrip.h"

#include "platform/Canvas.h"

std::optional<PaletteKind> PaletteKindFromSetting(int value)
{
    if (value < 0 || value > 2)
        return std::nullopt;
    return static_cast<PaletteKind>(value);
}

QImage DrawPaletteFrame()
{
    constexpr int W = kPaletteWidth;
    constexpr int H = kPaletteHeight;
    QImage strip = canvas::NewPicture(W, H, canvas::ButtonFace());
    canvas::Rectangle(strip, 0, 0, W - 1, H - 1, canvas::ButtonShadow(), std::nullopt);
    canvas::Rectangle(strip, 1, 1, W - 1, H - 1, qRgb(255, 255, 255), std::nullopt);
    return strip;
}

QImage DrawWebsafePalette()
{
    QImage strip = DrawPaletteFrame();
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

QImage DrawSpectrumPalette(bool websafe)
{
    QImage strip = DrawPaletteFrame();
    for (int i = 0; i <= 359; ++i) {
        const int x = RoundHalfEven(i / 359.0 * 252 + 2);
        for (int j = 8; j <= 98; ++j) {
            ColorValue c = HslToRgb(i / 360.0, 0.9, j / 100.0);
            if (websafe)
                c = SnapToWebsafe(c);
            const int y = RoundHalfEven((98 - j) / 100.0 * 47 + 2);
            strip.setPixel(x, y, canvas::ToRgb(c));
        }
    }
    canvas::Rectangle(strip, 2, 2, kPaletteWidth - 2, kPaletteHeight - 2, qRgb(0, 0, 0), std::nullopt);
    return strip;
}

QImage DrawPalette(PaletteKind kind)
{
    switch (kind) {
    case PaletteKind::Websafe:
        return DrawWebsafePalette();
    case PaletteKind::Spectrum:
        return DrawSpectrumPalette(false);
    case PaletteKind::WebsafeSpectrum:
        return DrawSpectrumPalette(true);
    }
    return DrawPaletteFrame();
}

std::optional<ColorValue> PickPaletteColor(const QImage& strip, int x, int y)
{
    if (x <= 2 || x >= strip.width() - 3 || y <= 2 || y >= strip.height() - 3)
        return std::nullopt;
    const ColorValue c = canvas::FromRgb(strip.pixel(x, y));
    // Black is the grid and the outline, except for the black cell in the top-left corner.
    if (c == 0 && !(x < 9 && y < 9))
        return std::nullopt;
    return c;
}
