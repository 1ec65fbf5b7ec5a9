#pragma once

#include <QColor>
#include <QImage>

#include <optional>

// Pixel-exact drawing on off-screen pictures, with the program's rectangle convention:
// (x1, y1)-(x2, y2) covers x1..x2-1 and y1..y2-1, a one-pixel outline in the pen colour, the inside in the brush.
namespace canvas {

QImage NewPicture(int width, int height, QRgb fill);
void FillRect(QImage& picture, int x1, int y1, int x2, int y2, QRgb color);
void Rectangle(QImage& picture, int x1, int y1, int x2, int y2, std::optional<QRgb> pen, std::optional<QRgb> brush);
void HorizontalLine(QImage& picture, int x1, int x2, int y, QRgb color); // x2 exclusive

// The desktop's system colours, as the current palette gives them.
QRgb ButtonFace();
QRgb ButtonShadow();
QRgb Highlight();
QRgb HighlightText();
QRgb WindowText();

// Colour values of the program (0x00BBGGRR) to and from pixels.
QRgb ToRgb(unsigned int colorValue);
unsigned int FromRgb(QRgb pixel);

} // namespace canvas
