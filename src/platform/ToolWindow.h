#pragma once

class QWidget;

// Hints show over every window of the program, whether or not it is the active one. Call from a window's constructor.
void ShowHintsWhenInactive(QWidget* window);

// Asks the window manager for a tool window's frame: a caption with only a close button. Call from a window's
// constructor, before the window is first shown.
void AskForToolWindowFrame(QWidget* window);

// Whether a tool window is on the screen for the user: shown and not minimised.
bool ToolWindowOnScreen(const QWidget* window);

// Brings a hidden or minimised tool window back in its normal state, above the program's other windows.
void BringBackToolWindow(QWidget* window);
