#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

// A window manager frames a window when the window is mapped, so before its first showing a window's outer size is
// only its inner size. These place windows by their outer frame once it is known.

// Runs `place` once, as soon as the window is next on the screen with its frame known (for a window already shown,
// at its next paint).
void WhenFramed(QWidget* window, std::function<void()> place);

// A window's outer size: before the window was first shown, its inner size in the frame `framed` has, a window the
// same window manager framed already.
QSize OuterSize(const QWidget& window, const QWidget& framed);

// Places in the screen's device pixels. On an X desktop at a scale other than 1 the toolkit rounds a window's frame
// to logical pixels, a device pixel or two off what the screen shows, and can put a frame on only every second or
// third device pixel; these ask and tell the X server itself. Elsewhere they are the toolkit's logical places
// times the ratio.

// A window's outer frame in device pixels.
QRect DeviceFrame(const QWidget& window);
// Puts a window's outer frame with its top-left corner on a device pixel.
void MoveFrameTo(QWidget* window, QPoint device);
// The device pixel a logical place lands on, and the logical place nearest a device pixel: each the other's
// inverse for places that are whole logical pixels, so a place stored in logical pixels comes back unchanged.
QPoint DevicePlace(QPoint logical, qreal ratio);
QPoint LogicalPlace(QPoint device, qreal ratio);
// Whether a stored place (logical) is the docked one: exactly, or on a scaled desktop up to the logical pixel that
// rounding the windows' device places to logical ones may cost.
bool IsDockedPlace(QPoint place, QPoint docked, qreal ratio);
// Where a window's frame goes to sit in the middle of the primary screen, in device pixels.
QPoint DeviceCentredOnScreen(const QWidget& window);

// A question the program asks is never covered by one of its own windows: while one of them stays on top of the
// others (the Favorites window's Always On Top), so does the dialog. Call before showing it.
void KeepAboveOwnWindows(QWidget* dialog);
