#include "Canvas.h"

#include "color/Color.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace canvas {

QImage NewPicture(int width, int height, QRgb fill, qreal ratio)
{
    QImage picture(DeviceEdge(width, ratio), DeviceEdge(height, ratio), QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(fill);
    return picture;
}

int DeviceEdge(int logical, qreal ratio)
{
    return ratio == 1 ? logical : qRound(logical * ratio);
}

QSize LogicalSize(const QImage& picture)
{
    const qreal ratio = picture.devicePixelRatio();
    return ratio == 1 ? picture.size() : QSize(qRound(picture.width() / ratio), qRound(picture.height() / ratio));
}

QRgb PixelAt(const QImage& picture, QPoint logical)
{
    const qreal ratio = picture.devicePixelRatio();
    const QPoint device(DeviceEdge(logical.x(), ratio), DeviceEdge(logical.y(), ratio));
    return picture.valid(device) ? picture.pixel(device) : qRgb(0, 0, 0);
}

namespace {

// The device pixels of a logical rectangle, clipped to the picture.
QRect DeviceRect(const QImage& picture, int x1, int y1, int x2, int y2)
{
    const qreal ratio = picture.devicePixelRatio();
    x1 = std::max(DeviceEdge(x1, ratio), 0);
    y1 = std::max(DeviceEdge(y1, ratio), 0);
    x2 = std::min(DeviceEdge(x2, ratio), picture.width());
    y2 = std::min(DeviceEdge(y2, ratio), picture.height());
    return QRect(QPoint(x1, y1), QPoint(std::max(x1, x2) - 1, y2 - 1));
}

} // namespace

// The picture's lines, looked up once: asking the picture for each line checks every time whether it is shared.
class Lines {
public:
    explicit Lines(QImage& picture)
        : m_bits(picture.bits())
        , m_stride(picture.bytesPerLine())
    {
    }

    QRgb* operator[](int y) const { return reinterpret_cast<QRgb*>(m_bits + qsizetype(y) * m_stride); }

private:
    uchar* m_bits;
    qsizetype m_stride;
};

void FillRect(QImage& picture, int x1, int y1, int x2, int y2, QRgb color)
{
    const QRect area = DeviceRect(picture, x1, y1, x2, y2);
    if (area.isEmpty())
        return;
    const Lines lines(picture);
    for (int y = area.top(); y <= area.bottom(); ++y)
        std::fill(lines[y] + area.left(), lines[y] + area.left() + area.width(), color);
}

void InvertRect(QImage& picture, int x1, int y1, int x2, int y2)
{
    const QRect area = DeviceRect(picture, x1, y1, x2, y2);
    if (area.isEmpty())
        return;
    const Lines lines(picture);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb* line = lines[y];
        for (int x = area.left(); x <= area.right(); ++x)
            line[x] ^= 0x00FFFFFF;
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
