#pragma once

#include "main/TfrmMain.h"
#include "platform/PaintBox.h"
#include "support/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

// The main window's controls, found once by their object names, for tests that work them often. It holds the
// controls of the window it was made for; a test that makes a new window finds them again.
struct MainControls {
    explicit MainControls(const TfrmMain& window)
        : txtR(Named<QLineEdit>(window, "txtR"))
        , txtG(Named<QLineEdit>(window, "txtG"))
        , txtB(Named<QLineEdit>(window, "txtB"))
        , txtHex(Named<QLineEdit>(window, "txtHex"))
        , cboHistory(Named<QComboBox>(window, "cboHistory"))
        , pbBase(Named<PaintBox>(window, "pbBase"))
        , pbPalette(Named<PaintBox>(window, "pbPalette"))
        , imgwebsafe(Named<QLabel>(window, "imgwebsafe"))
        , imgnotwebsafe(Named<QLabel>(window, "imgnotwebsafe"))
        , imgsafe(Named<QLabel>(window, "imgsafe"))
        , imgnotsafe(Named<QLabel>(window, "imgnotsafe"))
        , sbPanel0(Named<QLabel>(window, "sbPanel0"))
        , sbPanel1(Named<QLabel>(window, "sbPanel1"))
        , sbVision(Named<QLabel>(window, "sbVision"))
    {
        for (int n = 1; n <= 16; ++n)
            pbColors[n - 1] = Named<PaintBox>(window, qPrintable(QStringLiteral("pbColors%1").arg(n)));
    }

    QLineEdit* txtR;
    QLineEdit* txtG;
    QLineEdit* txtB;
    QLineEdit* txtHex;
    QComboBox* cboHistory;
    PaintBox* pbBase;
    std::array<PaintBox*, 16> pbColors {}; // swatch n is pbColors[n - 1]
    PaintBox* pbPalette;
    QLabel* imgwebsafe;
    QLabel* imgnotwebsafe;
    QLabel* imgsafe;
    QLabel* imgnotsafe;
    QLabel* sbPanel0;
    QLabel* sbPanel1;
    QLabel* sbVision;
};
