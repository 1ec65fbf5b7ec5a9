#include "platform/WindowPlacement.h"

#include <QDialog>
#include <QWidget>
#include <gtest/gtest.h>

// Dialogs join the top band exactly while a shown window of the program is in it, and leave it again after.
TEST(WindowPlacement, DialogsStayOnTopWhileAShownWindowDoes)
{
    struct Case {
        const char* what;
        bool otherShown;
        bool otherOnTop;
        bool dialogOnTop;
    };
    const Case cases[] = {
        { "a shown window on top", true, true, true },
        { "a window on top but hidden", false, true, false },
        { "a shown window not on top", true, false, false },
    };
    QDialog dialog;
    for (const Case& c : cases) {
        QWidget other(nullptr, Qt::Tool);
        other.setWindowFlag(Qt::WindowStaysOnTopHint, c.otherOnTop);
        other.setVisible(c.otherShown);
        KeepAboveOwnWindows(&dialog);
        EXPECT_EQ(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint), c.dialogOnTop) << c.what;
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::Dialog)) << c.what << ": still a dialog";
    }
}

TEST(WindowPlacement, ALogicalPlaceComesBackFromItsDevicePixelAtEveryScale)
{
    // What keeps windows from creeping across runs: a place is stored in logical pixels, put on its device pixel,
    // and read back from there at the next close.
    for (const qreal ratio : { 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0 }) {
        for (int x = -700; x <= 3000; ++x) {
            const QPoint logical(x, 3000 - x);
            ASSERT_EQ(LogicalPlace(DevicePlace(logical, ratio), ratio), logical) << ratio;
        }
    }
    EXPECT_EQ(DevicePlace({ 81, -25 }, 3), QPoint(243, -75));
    EXPECT_EQ(LogicalPlace({ 244, -76 }, 3), QPoint(81, -25)) << "a device pixel between two goes to the nearest";
}
