#pragma once

class QAction;
class QWidget;

// Hints show over every window of the program, whether or not it is the active one. Call from a window's constructor.
void ShowHintsWhenInactive(QWidget* window);

// Asks the window manager for a tool window's frame: a caption with only a close button. Call from a window's
// constructor, before the window is first shown.
void AskForToolWindowFrame(QWidget* window);

// Enables the main window's toggle of a tool window and makes it show or hide the window: one in view goes, one
// hidden or minimised comes back in its normal state, above the program's other windows. The toggle's checked
// state follows, and closing the window unchecks it.
void ConnectToolWindowToggle(QWidget* window, QAction* toggle);
