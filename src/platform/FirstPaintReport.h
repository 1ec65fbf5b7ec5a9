#pragma once

class QWidget;

// Start-up is measured from outside the process: with TINTWELL_REPORT_FIRST_PAINT=1 in the environment the
// program writes "first-paint" on its standard output once `window` has first been painted and flushed to the
// screen. Without the variable nothing is installed and nothing is written.
void ReportFirstPaintIfAsked(const QWidget* window);
