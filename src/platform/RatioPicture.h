#pragma once

#include <QPixmap>

#include <functional>

class QLabel;

// A label whose picture is drawn for the device pixel ratio of the screen it shows on: drawn when the label is
// first shown or painted (a window built at start-up pays for what it never shows only when shown), and drawn again
// when it shows at another ratio (its window moved to a screen of another scale), so it is never stretched.
void ShowDrawnPicture(QLabel* label, std::function<QPixmap(qreal ratio)> draw);
