#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>

#include <optional>

// The picker's magnifier and its panel as plain pixel work on the desktop photograph. While the picker is open
// the screen shows that photograph, so reading it gives exactly what the user sees, and tests can inject it.
// Positions are in photograph coordinates (device pixels) unless they say otherwise.
namespace lens {

inline constexpr int kLensWidth = 109;
inline constexpr int kLensHeight = 67;
// The block of photograph pixels the lens magnifies; each becomes a block of about 12 × 13 lens pixels.
inline constexpr int kSourceWidth = kLensWidth / 12;   // 9
inline constexpr int kSourceHeight = kLensHeight / 12; // 5
inline constexpr QRect kLensRect { 2, 2, kLensWidth, kLensHeight };
inline constexpr QRect kColorBoxRect { 2, 72, 109, 39 };
inline constexpr int kPanelSize = 113;
inline constexpr int kPanelMargin = 8;

// The photograph's pixel under a point of the picker window: the photograph is in device pixels, the window in
// logical ones, and the two differ by the desktop's scale (2, or 1.5 and the like).
QPoint PhotoPoint(QPointF pos, QSize window, QSize photo);

// The photograph's pixel at a point; black off the desktop.
QRgb PhotoPixel(const QImage& photo, QPoint at);

// The lens for the pointer at a point: the 9 × 5 block around it magnified by pixel replication (the pointer's
// pixel is the middle block, the block is not shifted to stay on the desktop), crossed by four inverted arms
// that leave the middle pixel and its four neighbours untouched. The lens itself (its arms and the edges between its
// blocks) is drawn for a screen of the given device pixel ratio.
QImage RenderLens(const QImage& photo, QPoint pointer, qreal ratio = 1);

// The panel behind the lens and the colour box: its outlines and the bar between the two.
QImage PanelPicture(qreal ratio = 1);

// The panel keeps out of the pointer's way: once the pointer is on it, it jumps to the other top corner.
// Nothing while the pointer is elsewhere.
std::optional<int> DodgedPanelLeft(QRect panel, QPoint pointer, int desktopWidth);

} // namespace lens
