#pragma once

#include <functional>

class QKeyEvent;
class QWidget;

// Key presses that reach `target` go to `handler` first; it returns whether it used the key.
void HandleKeys(QWidget* target, std::function<bool(QKeyEvent*)> handler);

// A ring drawn around a control while it has the keyboard focus, in its parent and outside the control's own pixels
// (two pixels wide, one pixel off its edge), so the control looks exactly as it always does without the focus.
void ShowFocusRing(QWidget* target);
