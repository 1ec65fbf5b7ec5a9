#include "Canvas.h"

#include "color/Color.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace canvas {

QImage NewPicture(int width, int height, QRgb fill)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(fill);
    return picture;
}

void FillRect(QImage& picture, int x1, int y1, int x2, int y2, QRgb color)
{
    x1 = std::max(x1, 0);
    y1 = std::max(y1, 0);
    x2 = std::min(x2, picture.width());
    y2 = std::min(y2, picture.height());
    for (int y = y1; y < y2; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        std::fill(line + x1, line + std::max(x1, x2), color);
    }
}

void HorizontalLine(QImage& picture, int x1, int x2, int y, QRgb color)
{
    FillRect(picture, x1, y, x2, y + 1, color);
}

void Rectangle(QImage& picture, int x1, int y1, int x2, int y2, std::optional<QRgb> pen, std::optional<QRgb> brush)
{
    if (x2 <= x1 || y2 <= y1)
        return;
    if (brush)
        FillRect(picture, x1 + 1, y1 + 1, x2 - 1, y2 - 1, *brush);
    if (pen) {
        FillRect(picture, x1, y1, x2, y1 + 1, *pen);
        FillRect(picture, x1, y2 - 1, x2, y2, *pen);
        FillRect(picture, x1, y1, x1 + 1, y2, *pen);
        FillRect(picture, x2 - 1, y1, x2, y2, *pen);
    }
}

QRgb ButtonFace() { return QGuiApplication::palette().color(QPalette::Button).rgb(); }
QRgb ButtonShadow() { return QGuiApplication::palette().color(QPalette::Dark).rgb(); }
QRgb Highlight() { return QGuiApplication::palette().color(QPalette::Highlight).rgb(); }
QRgb HighlightText() { return QGuiApplication::palette().color(QPalette::HighlightedText).rgb(); }
QRgb WindowText() { return QGuiApplication::palette().color(QPalette::WindowText).rgb(); }

QRgb ToRgb(unsigned int colorValue)
{
    return qRgb(Red(colorValue), Green(colorValue), Blue(colorValue));
}

unsigned int FromRgb(QRgb pixel)
{
    return Pack(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

} // namespace canvas
