#pragma once

#include "color/VisionSimulation.h"

#include <QImage>

// The colour vision the program's painted colours are shown for. Only the screen sees it: every picture the
// program paints, reads pixels from, copies or saves keeps its true colours, and each paint box turns its picture
// at the last step, as it hands it to the screen. A run starts with Normal.
VisionMode ShownVision();
// Repaints every window when the mode changes.
void SetShownVision(VisionMode mode);

// A picture as the screen shows it in the current mode: a copy seen with the deficiency, or the picture itself
// with Normal.
QImage ShownPicture(const QImage& picture);
