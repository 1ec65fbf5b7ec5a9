#pragma once

class QWidget;

// Hints show over every window of the program, whether or not it is the active one. Call from a window's constructor.
void ShowHintsWhenInactive(QWidget* window);

// Whether a tool window is on the screen for the user: shown and not minimised.
bool ToolWindowOnScreen(const QWidget* window);

// Brings a hidden or minimised tool window back in its normal state, above the program's other windows.
void BringBackToolWindow(QWidget* window);
