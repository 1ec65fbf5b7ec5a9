#pragma once

#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

// A window manager frames a window when the window is mapped, so before its first showing a window's outer size is
// only its inner size. These place windows by their outer frame once it is known.

// Runs `place` once, as soon as the window is next on the screen with its frame known (for a window already shown,
// at its next paint).
void WhenFramed(QWidget* window, std::function<void()> place);

// Where a window's top-left corner goes for its outer frame to sit in the middle of the primary screen.
QPoint CentredOnScreen(const QWidget& window);

// A window's outer size: before the window was first shown, its inner size in the frame `framed` has, a window the
// same window manager framed already.
QSize OuterSize(const QWidget& window, const QWidget& framed);

// A question the program asks is never covered by one of its own windows: while one of them stays on top of the
// others (the Favorites window's Always On Top), so does the dialog. Call before showing it.
void KeepAboveOwnWindows(QWidget* dialog);
