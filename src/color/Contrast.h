#pragma once

#include "color/Color.h"

#include <string>

// Readability of text on a background by the WCAG 2.x contrast ratio.
//
// Channels are linearised with the sRGB threshold 0.04045 rather than the 0.03928 that WCAG 2.0 and 2.1 print:
// no 8-bit channel value lies between the two (10/255 is below both, 11/255 above both), so every result is the
// same, and the program keeps one linearisation for all its colour maths.

enum class TextSize { Normal, Large }; // large: at least 18 pt, or 14 pt bold
enum class ContrastGrade { Fail, AA, AAA };

// The size class of text set at a height in CSS pixels (96 to the inch, so 4 pixels make 3 points).
TextSize TextSizeOfPixels(double pixelSize, bool bold);
// Relative luminance 0 (black) .. 1 (white).
double RelativeLuminance(ColorValue c);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours .. 21 for black on white; symmetric in its arguments.
double ContrastRatio(ColorValue foreground, ColorValue background);
// The best level the exact ratio reaches: AA needs 4.5 (3 for large text), AAA 7 (4.5 for large text).
ContrastGrade GradeContrast(double ratio, TextSize size);
// The ratio in hundredths as shown: rounded to the nearest hundredth, except that it never rounds up onto a
// threshold the exact ratio misses (4.499 shows 4.49, not a passing-looking 4.50).
int ContrastHundredths(double ratio);
// The ratio as shown to the user: "21:1", "4.5:1", "4.54:1" (at most two decimals, trailing zeros dropped).
std::string ContrastText(double ratio);
// "AAA", "AA" or "Fail".
const char* ContrastGradeText(ContrastGrade grade);
