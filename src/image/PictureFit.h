#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include <optional>

// Where a picture scaled to fit an area stands, and which of its pixels lies under a point: the one place both the
// painting and the eyedropper take it from.
namespace picture_fit {

// The largest rectangle of the picture's proportions inside the area, centred.
QRectF Fitted(QSize picture, QSizeF area);
// The picture pixel under `pos`; nothing outside the picture.
std::optional<QPoint> PixelAt(QPointF pos, const QRectF& fitted, QSize picture);
// The middle of a picture pixel, in the area's coordinates.
QPointF PointOf(QPoint pixel, const QRectF& fitted, QSize picture);

} // namespace picture_fit
