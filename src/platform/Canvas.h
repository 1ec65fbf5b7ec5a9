#pragma once

#include <QColor>
#include <QImage>

#include <optional>

// Pixel-exact drawing on off-screen pictures, with the program's rectangle convention:
// (x1, y1)-(x2, y2) covers x1..x2-1 and y1..y2-1, a one-pixel outline in the pen colour, the inside in the brush.
// Coordinates are logical pixels. A picture made for a dense screen holds device pixels and carries its ratio: each
// logical edge lands on the device pixel edge nearest it, so shapes that meet in logical pixels still meet, a flat
// area is one colour at every device pixel, and a one-pixel line is a whole number of device pixels wide.
namespace canvas {

QImage NewPicture(int width, int height, QRgb fill, qreal ratio = 1);
// The device pixel edge a logical edge lands on.
int DeviceEdge(int logical, qreal ratio);
// A picture's size in logical pixels.
QSize LogicalSize(const QImage& picture);
// The colour of the logical pixel at a point (its top-left device pixel); black off the picture.
QRgb PixelAt(const QImage& picture, QPoint logical);
void FillRect(QImage& picture, int x1, int y1, int x2, int y2, QRgb color);
// Every colour in the rectangle inverted; doing it twice restores the picture.
void InvertRect(QImage& picture, int x1, int y1, int x2, int y2);
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
