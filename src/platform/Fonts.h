#pragma once

#include <QFont>

// Adds the free Tahoma and Marlett clones that Wine ships, when they are installed; fontconfig does not
// search their folder. Call once at start-up, before any window is built.
void LoadApplicationFonts();

// The program's faces at a size in pixels. Tahoma and Verdana fall back to DejaVu Sans, their closest
// relative that every Debian system has.
QFont TahomaFont(int pixelSize, bool bold = false);
QFont VerdanaFont(int pixelSize, bool bold = false);
QFont MarlettFont(int pixelSize);
// Marlett has no stand-in: a caller that draws its symbols draws its own shape when this is false.
bool HaveMarlett();

// Where text drawn with its cell's top at y puts the baseline: y plus this. The program's text positions were
// measured with the face's Windows ascent (OS/2 usWinAscent), which for the Tahoma clone lies two pixels below
// the typographic ascent the toolkit reports. Faces without those tables give the toolkit's ascent.
int CellAscent(const QFont& font);
