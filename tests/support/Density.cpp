#include "support/Density.h"

#include "platform/Canvas.h"

#include <QWidget>

#include <algorithm>

namespace density {

QImage RenderedAt(QWidget* widget, qreal ratio)
{
    QImage picture(canvas::DeviceEdge(widget->width(), ratio), canvas::DeviceEdge(widget->height(), ratio),
        QImage::Format_RGB32);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::magenta);
    widget->render(&picture);
    return picture;
}

QImage Enlarged(const QImage& picture, qreal ratio)
{
    QImage enlarged = canvas::NewPicture(picture.width(), picture.height(), qRgb(0, 0, 0), ratio);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            canvas::FillRect(enlarged, x, y, x + 1, y + 1, picture.pixel(x, y));
    }
    return enlarged;
}

QRect DeviceRect(QRect logical, qreal ratio)
{
    const QPoint topLeft(canvas::DeviceEdge(logical.left(), ratio), canvas::DeviceEdge(logical.top(), ratio));
    const QPoint end(canvas::DeviceEdge(logical.right() + 1, ratio), canvas::DeviceEdge(logical.bottom() + 1, ratio));
    return QRect(topLeft, end - QPoint(1, 1));
}

std::optional<QPoint> FirstOffColour(const QImage& picture, QRect area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if ((picture.pixel(x, y) & 0xFFFFFF) != (color & 0xFFFFFF))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

double FlatBlockShare(const QImage& picture, QRect area, QRgb background)
{
    int inked = 0;
    int flat = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb block[4] = { picture.pixel(x, y), picture.pixel(x + 1, y), picture.pixel(x, y + 1),
                picture.pixel(x + 1, y + 1) };
            if (std::all_of(std::begin(block), std::end(block), [background](QRgb p) { return p == background; }))
                continue;
            ++inked;
            if (std::all_of(std::begin(block), std::end(block), [&block](QRgb p) { return p == block[0]; }))
                ++flat;
        }
    }
    return inked == 0 ? 1.0 : double(flat) / inked;
}

int DifferingPixels(const QImage& a, const QImage& b, QRect area)
{
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing;
}

} // namespace density
