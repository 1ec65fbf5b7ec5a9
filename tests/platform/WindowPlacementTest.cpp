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
