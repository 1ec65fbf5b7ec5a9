#pragma once

#include <QImage>
#include <QRect>

#include <optional>

class QWidget;

// Pictures of painted areas at a device pixel ratio other than the screen's, and measures that tell a picture drawn
// for that ratio from a small one enlarged.
namespace density {

inline constexpr qreal kRatios[] = { 1.25, 1.5, 2, 3 };

// The widget painted into a picture of the given ratio, as a screen of that ratio would show it.
QImage RenderedAt(QWidget* widget, qreal ratio);

// A picture of ratio 1 blown up to `ratio` the way a stretched picture would be: every pixel a whole block.
QImage Enlarged(const QImage& picture, qreal ratio);

// The device pixels of a logical rectangle of a picture of that ratio.
QRect DeviceRect(QRect logical, qreal ratio);

// The first device pixel in `area` that is not `color`, or nothing when every one is.
std::optional<QPoint> FirstOffColour(const QImage& picture, QRect area, QRgb color);

// Among the aligned 2 × 2 device-pixel blocks of `area` that hold anything but `background`, the share that are
// one flat colour: 1 for a ratio-1 picture doubled, far less for text drawn at twice the detail.
double FlatBlockShare(const QImage& picture, QRect area, QRgb background);

// How many device pixels of `area` differ between two pictures of one size.
int DifferingPixels(const QImage& a, const QImage& b, QRect area);

} // namespace density
