#include "platform/DragManager.h"
#include "support/Mouse.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct Receiver final : DropTarget {
    bool accept = true;
    int overs = 0;
    QWidget* lastSource = nullptr;
    QPoint dropAt { -1, -1 };
    int drops = 0;
    bool trackingDuringDrop = false;

    bool DragOver(QWidget* source, QPoint) override
    {
        ++overs;
        lastSource = source;
        return accept;
    }
    void DragDrop(QWidget* source, QPoint pos) override
    {
        ++drops;
        lastSource = source;
        dropAt = pos;
        trackingDuringDrop = DragManager::Instance().IsPending() || QApplication::overrideCursor() != nullptr;
    }
};

// Two top-level windows side by side: a source on the left, a receiver on the right.
class DragManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sourceWindow.setGeometry(100, 100, 200, 200);
        receiverWindow.setGeometry(400, 100, 200, 200);
        target = new QWidget(&receiverWindow);
        target->setGeometry(50, 50, 100, 100);
        DragManager::Instance().RegisterTarget(target, &receiver);
        sourceWindow.show();
        receiverWindow.show();
    }

    void TearDown() override { DragManager::Instance().Cancel(); }

    // The source's point that lies over the receiver at `local`.
    QPoint OverTarget(QPoint local) const { return sourceWindow.mapFromGlobal(target->mapToGlobal(local)); }

    void Begin(int threshold = 10)
    {
        DragRequest request;
        request.source = &sourceWindow;
        request.globalStart = sourceWindow.mapToGlobal(QPoint(20, 20));
        request.threshold = threshold;
        request.onStart = [this] { ++starts; };
        request.onEnd = [this](bool dropped) { ends.push_back(dropped); };
        DragManager::Instance().BeginDrag(std::move(request));
    }

    QWidget sourceWindow;
    QWidget receiverWindow;
    QWidget* target = nullptr;
    Receiver receiver;
    int starts = 0;
    std::vector<bool> ends;
};

TEST_F(DragManagerTest, DropsOnAnAcceptingReceiverInAnotherWindow)
{
    Begin();
    mouse::Move(&sourceWindow, { 25, 25 });
    EXPECT_FALSE(DragManager::Instance().IsActive());
    mouse::Move(&sourceWindow, OverTarget({ 10, 10 }));
    EXPECT_TRUE(DragManager::Instance().IsActive());
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(receiver.lastSource, &sourceWindow);
    mouse::Release(&sourceWindow, OverTarget({ 30, 40 }));
    EXPECT_EQ(receiver.drops, 1);
    EXPECT_EQ(receiver.dropAt, QPoint(30, 40));
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0]);
    EXPECT_FALSE(DragManager::Instance().IsPending());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(DragManagerTest, TheDropRunsAfterTheDragLetsGoOfTheMouse)
{
    // A receiver that asks a question in a dialog must get the dialog's mouse clicks and the normal cursor.
    Begin();
    mouse::Move(&sourceWindow, OverTarget({ 10, 10 }));
    mouse::Release(&sourceWindow, OverTarget({ 10, 10 }));
    ASSERT_EQ(receiver.drops, 1);
    EXPECT_FALSE(receiver.trackingDuringDrop);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_TRUE(ends[0]);
}

TEST_F(DragManagerTest, ThresholdCountsEachDirectionFromTheStart)
{
    Begin(10);
    mouse::Move(&sourceWindow, { 29, 29 }); // 9 pixels each way: still pending
    EXPECT_FALSE(DragManager::Instance().IsActive());
    mouse::Move(&sourceWindow, { 20, 30 }); // 10 pixels down
    EXPECT_TRUE(DragManager::Instance().IsActive());
}

TEST_F(DragManagerTest, ReleaseBeforeTheThresholdDropsNothingButEndsTheDrag)
{
    Begin();
    mouse::Move(&sourceWindow, { 23, 20 });
    mouse::Release(&sourceWindow, { 23, 20 });
    EXPECT_EQ(starts, 0);
    EXPECT_EQ(receiver.overs, 0);
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_FALSE(ends[0]);
}

TEST_F(DragManagerTest, RefusedOrMissedReceiversGetNoDrop)
{
    receiver.accept = false;
    Begin();
    mouse::Move(&sourceWindow, OverTarget({ 10, 10 }));
    mouse::Release(&sourceWindow, OverTarget({ 10, 10 }));
    EXPECT_GT(receiver.overs, 0);
    EXPECT_EQ(receiver.drops, 0);

    receiver.accept = true;
    Begin();
    mouse::Move(&sourceWindow, OverTarget({ 10, 10 }));
    mouse::Release(&sourceWindow, { 150, 150 }); // released back over the source window
    EXPECT_EQ(receiver.drops, 0);
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_FALSE(ends[0]);
    EXPECT_FALSE(ends[1]);
}

TEST_F(DragManagerTest, EscapeCancelsAndTheSourceHearsTheEnd)
{
    Begin();
    mouse::Move(&sourceWindow, OverTarget({ 10, 10 }));
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&sourceWindow, &esc);
    EXPECT_FALSE(DragManager::Instance().IsPending());
    ASSERT_EQ(ends.size(), 1u);
    EXPECT_FALSE(ends[0]);
    mouse::Release(&sourceWindow, OverTarget({ 10, 10 }));
    EXPECT_EQ(receiver.drops, 0);
}

TEST_F(DragManagerTest, EventsDuringADragDoNotReachTheSource)
{
    struct CountingWidget final : QWidget {
        int releases = 0;
        void mouseReleaseEvent(QMouseEvent*) override { ++releases; }
    } counting;
    counting.setGeometry(100, 400, 50, 50);
    counting.show();
    DragRequest request;
    request.source = &counting;
    request.globalStart = counting.mapToGlobal(QPoint(5, 5));
    DragManager::Instance().BeginDrag(std::move(request));
    mouse::Release(&counting, { 6, 6 });
    EXPECT_EQ(counting.releases, 0);
    mouse::Release(&counting, { 6, 6 });
    EXPECT_EQ(counting.releases, 1); // after the drag, events flow again
}

} // namespace
