#pragma once

#include <functional>

class QEvent;
class QKeyEvent;
class QWidget;

// Key presses that reach `target` go to `handler` first; it returns whether it used the key.
void HandleKeys(QWidget* target, std::function<bool(QKeyEvent*)> handler);

// Whether Tab can take the keyboard from a control to another one of its window.
bool HasOtherTabStop(QWidget* control);

// A ring drawn around a control while it has the keyboard focus, in its parent and outside the control's own pixels
// (two pixels wide, one pixel off its edge), so the control looks exactly as it always does without the focus. Where
// the control meets its parent's edge, the ring lies over the control's edge on that side.
void ShowFocusRing(QWidget* target);

// Whether a control shows that it has the focus: when the keyboard brought the focus there (Tab, an arrow key, F6)
// or is used on it, not when a click did or the window manager made its window active, unless it showed the focus
// when that window was last left. So what the mouse does looks as it always has.
class FocusShowing {
public:
    // Follows one event of the control; returns whether the focus shows now.
    bool Follow(const QEvent* event);
    bool Shown() const { return m_shown; }

private:
    bool m_shown = false;
};

// The window is being made active by a key (F6): the control that gets its focus shows it.
void MarkKeyboardActivation(QWidget* window);
