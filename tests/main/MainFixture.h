#pragma once

#include "main/TfrmMain.h"
#include "platform/Canvas.h"
#include "platform/PaintBox.h"
#include "support/MainControls.h"
#include "support/ScriptedPlatform.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QMenu>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main window on a fresh settings folder and a scripted desktop, shown at a fixed place.
class MainFixture : public ::testing::Test {
protected:
    std::unique_ptr<TfrmMain> Start()
    {
        auto window = std::make_unique<TfrmMain>();
        window->move(100, 100);
        window->show();
        return window;
    }

    // Makes the window the active one, as it is for a user typing into it (focus changes and shortcuts).
    static void Activate(TfrmMain* window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    static ColorValue Pixel(const PaintBox* box, QPoint at = { 5, 5 }) { return canvas::FromRgb(box->PixelAt(at)); }

    // Opens a menu as the pointer would, so it fills its entries; closes it again at once.
    static void OpenAndClose(QMenu* menu)
    {
        menu->popup(QPoint(0, 0));
        menu->close();
    }

    TestFolder folder;
    ScriptedPlatform desktop;
};

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
