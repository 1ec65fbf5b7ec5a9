#include "PictureFit.h"

#include <algorithm>
#include <cmath>

namespace picture_fit {

QRectF Fitted(QSize picture, QSizeF area)
{
    if (picture.isEmpty() || area.isEmpty())
        return {};
    const double scale = std::min(area.width() / picture.width(), area.height() / picture.height());
    const QSizeF size(picture.width() * scale, picture.height() * scale);
    return QRectF(QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

std::optional<QPoint> PixelAt(QPointF pos, const QRectF& fitted, QSize picture)
{
    if (fitted.isEmpty() || picture.isEmpty())
        return std::nullopt;
    const int x = int(std::floor((pos.x() - fitted.left()) * picture.width() / fitted.width()));
    const int y = int(std::floor((pos.y() - fitted.top()) * picture.height() / fitted.height()));
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return std::nullopt;
    return QPoint(x, y);
}

QPointF PointOf(QPoint pixel, const QRectF& fitted, QSize picture)
{
    return { fitted.left() + (pixel.x() + 0.5) * fitted.width() / picture.width(),
        fitted.top() + (pixel.y() + 0.5) * fitted.height() / picture.height() };
}

} // namespace picture_fit
