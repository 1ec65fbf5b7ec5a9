#include "platform/CaretBlink.h"
#include "support/Mouse.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyleHints>
#include <gtest/gtest.h>

namespace {

int FlashTime()
{
    return QGuiApplication::styleHints()->cursorFlashTime();
}

// Lets the event loop run until the condition holds or a generous time has passed.
bool WaitFor(const std::function<bool()>& condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 10);
    return condition();
}

} // namespace

TEST(CaretBlink, HoldsStillWhenLeftAloneAndBlinksAgainOnInput)
{
    const int platformFlashTime = FlashTime();
    ASSERT_GT(platformFlashTime, 0);
    QLineEdit field;
    field.show();
    field.setFocus();
    {
        CaretBlink blink(50);
        EXPECT_TRUE(blink.Blinking());
        EXPECT_EQ(FlashTime(), platformFlashTime);
        ASSERT_TRUE(WaitFor([&] { return !blink.Blinking(); }));
        EXPECT_EQ(FlashTime(), 0) << "a caret that holds still costs nothing";

        QKeyEvent key(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
        QCoreApplication::sendEvent(&field, &key);
        EXPECT_TRUE(blink.Blinking());
        EXPECT_EQ(FlashTime(), platformFlashTime);
        ASSERT_TRUE(WaitFor([&] { return !blink.Blinking(); }));

        mouse::Click(&field, QPoint(5, 5));
        EXPECT_TRUE(blink.Blinking()) << "a click wakes it too";
        ASSERT_TRUE(WaitFor([&] { return !blink.Blinking(); }));
    }
    EXPECT_EQ(FlashTime(), platformFlashTime) << "the platform's setting is given back";
}

TEST(CaretBlink, KeepsBlinkingWhileTheUserWorks)
{
    CaretBlink blink(300);
    QLineEdit field;
    QElapsedTimer clock;
    clock.start();
    // Keys every 50 ms for twice the quiet period: it never gets the chance to stop.
    while (clock.elapsed() < 600) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&field, &key);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        ASSERT_TRUE(blink.Blinking()) << "after " << clock.elapsed() << " ms";
    }
}
