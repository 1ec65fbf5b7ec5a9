#include "color/NamedColors.h"
#include "document/FavoritesModel.h"
#include "image/PictureLoading.h"
#include "image/PictureView.h"
#include "image/TfrmImage.h"
#include "main/TfrmMain.h"
#include "platform/PaintBox.h"
#include "support/Controls.h"
#include "support/Mouse.h"
#include "support/ScriptedPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The picture window by the keyboard alone, and as a screen reader hears it.
class PictureKeysTest : public ::testing::Test {
protected:
    PictureKeysTest()
    {
        main = std::make_unique<TfrmMain>();
        main->show();
        window = std::make_unique<TfrmImage>(*main, favorites);
        // Four flat bands of 40, 30, 20 and 10 per cent, so the swatches come in that order.
        QImage picture(100, 10, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.fillRect(0, 0, 40, 10, QColor(220, 30, 30));
        painter.fillRect(40, 0, 30, 10, QColor(30, 160, 60));
        painter.fillRect(70, 0, 20, 10, QColor(40, 60, 210));
        painter.fillRect(90, 0, 10, 10, QColor(240, 210, 40));
        painter.end();
        window->ShowPicture(LoadPictureImage(picture, QStringLiteral("bands.png"), 6));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        swatches = Named<PaintBox>(*window, "pbSwatches");
        list = QAccessible::queryAccessibleInterface(swatches);
    }

    // The swatch the reader follows, -1 for none.
    int FocusedSwatch() const { return list->focusChild() ? list->indexOfChild(list->focusChild()) : -1; }

    void Keys(std::initializer_list<Qt::Key> keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (Qt::Key key : keys)
            QTest::keyClick(swatches, key, modifiers);
    }

    ScriptedPlatform desktop;
    FavoritesModel favorites;
    std::unique_ptr<TfrmMain> main;
    std::unique_ptr<TfrmImage> window;
    PaintBox* swatches = nullptr;
    QAccessibleInterface* list = nullptr;
};

TEST_F(PictureKeysTest, ArrowsHomeAndEndWalkTheSwatchesAndEnterAndCtrlCUseTheOneReached)
{
    ASSERT_EQ(window->Colors().size(), 4u);
    Named<QSpinBox>(*window, "spnCount")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), swatches) << "Tab goes from the count to the swatches below it";
    EXPECT_EQ(FocusedSwatch(), 0);

    const struct {
        std::initializer_list<Qt::Key> keys;
        int reached;
    } cases[] = {
        { { Qt::Key_Down }, 1 },
        { { Qt::Key_Right, Qt::Key_Right }, 2 },
        { { Qt::Key_End }, 3 },
        { { Qt::Key_End, Qt::Key_Right, Qt::Key_Down }, 3 }, // no further than the last
        { { Qt::Key_End, Qt::Key_Left }, 2 },
        { { Qt::Key_End, Qt::Key_Up, Qt::Key_Home }, 0 },
        { { Qt::Key_Up, Qt::Key_Left }, 0 }, // nor before the first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reached);
        Keys({ Qt::Key_Home });
        Keys(c.keys);
        ASSERT_EQ(FocusedSwatch(), c.reached);
        const ColorValue color = window->Colors()[std::size_t(c.reached)].color;
        Keys({ Qt::Key_C }, Qt::ControlModifier);
        EXPECT_EQ(desktop.clipboardText, QString::fromStdString(HexText(color)));
        main->SetBaseColor(Pack(1, 2, 3));
        Keys({ c.reached % 2 ? Qt::Key_Space : Qt::Key_Return });
        EXPECT_EQ(main->BaseColor(), color);
    }

    // A click moves the keyboard to the swatch clicked; fewer colours keep it on the last there is.
    mouse::Click(swatches, { 20, 2 * TfrmImage::kSwatchHeight + 10 });
    EXPECT_EQ(FocusedSwatch(), 2);
    bool changed = false;
    QObject::connect(window.get(), &TfrmImage::colorsChanged, [&changed] { changed = true; });
    Named<QSpinBox>(*window, "spnCount")->setValue(2);
    QElapsedTimer clock;
    clock.start();
    while (!changed && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_TRUE(changed);
    swatches->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(FocusedSwatch(), 1);
    EXPECT_EQ(list->childCount(), 2);
}

TEST_F(PictureKeysTest, EverySwatchIsSpokenWithItsPlaceValueAndNameAndThePictureAndCountAreNamed)
{
    ASSERT_EQ(list->childCount(), 4);
    EXPECT_EQ(list->role(), QAccessible::List);
    EXPECT_EQ(list->text(QAccessible::Name), "Picture colors");
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const ColorValue color = window->Colors()[std::size_t(i)].color;
        QAccessibleInterface* item = list->child(i);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->role(), QAccessible::ListItem);
        EXPECT_EQ(item->text(QAccessible::Name),
            QStringLiteral("Picture color %1, %2, %3")
                .arg(i + 1)
                .arg(QString::fromStdString(HashHexText(color)), QString::fromStdString(ColorNameText(color))));
        EXPECT_EQ(list->childAt(item->rect().center().x(), item->rect().center().y()), item);
        EXPECT_FALSE(item->state().focused) << "no swatch has the focus while the list has not";
    }

    auto* picture = Named<PictureView>(*window, "imgPicture");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Name), "Picture");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(picture)->text(QAccessible::Description), "bands.png");
    QAccessibleInterface* count = QAccessible::queryAccessibleInterface(Named<QSpinBox>(*window, "spnCount"));
    EXPECT_EQ(count->text(QAccessible::Name), "Colors:");
    const auto labelled = count->relations(QAccessible::Label);
    ASSERT_EQ(labelled.size(), 1);
    EXPECT_TRUE(qobject_cast<QLabel*>(labelled[0].first->object()));
}

// The ring round the keyboard's swatch shows only while the keyboard is there; without it the swatches look as they
// always have.
TEST_F(PictureKeysTest, TheFocusMarkLeavesTheSwatchesAsTheyWereOnceTheFocusGoes)
{
    const QImage before = swatches->grab().toImage();
    swatches->setFocus(Qt::TabFocusReason);
    Keys({ Qt::Key_Down });
    QApplication::processEvents();
    const QImage marked = swatches->grab().toImage();
    EXPECT_NE(marked, before);
    // Outside swatch 1's own area the mark touches only the gaps round it and its sides.
    const int top = TfrmImage::kSwatchHeight;
    EXPECT_EQ(marked.copy(0, top + TfrmImage::kSwatchHeight + 2, marked.width(), 60),
        before.copy(0, top + TfrmImage::kSwatchHeight + 2, before.width(), 60));
    Named<QSpinBox>(*window, "spnCount")->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(swatches->grab().toImage(), before);
}

} // namespace
