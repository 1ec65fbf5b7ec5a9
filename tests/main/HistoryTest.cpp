#include "MainFixture.h"
#include "support/Controls.h"
#include "support/Mouse.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>
#include <QToolButton>

namespace {

class HistoryTest : public MainFixture {
protected:
    static void ExpectNavigation(TfrmMain* w, bool back, bool forward)
    {
        EXPECT_EQ(Named<QToolButton>(*w, "tbBack")->isEnabled(), back);
        EXPECT_EQ(Named<QAction>(*w, "mnuEditUndo")->isEnabled(), back);
        EXPECT_EQ(Named<QToolButton>(*w, "tbForward")->isEnabled(), forward);
        EXPECT_EQ(Named<QAction>(*w, "mnuEditRedo")->isEnabled(), forward);
    }
    static QStringList Captions(TfrmMain* w)
    {
        QStringList captions;
        const QComboBox* history = Named<QComboBox>(*w, "cboHistory");
        for (int i = 0; i < history->count(); ++i)
            captions << history->itemText(i);
        return captions;
    }
};

TEST_F(HistoryTest, RedGreenBlueBackTwiceThenYellow)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(0, 255, 0));
    w->SetBaseColor(Pack(0, 0, 255));
    ExpectNavigation(w.get(), true, false);
    Named<QToolButton>(*w, "tbBack")->click();
    EXPECT_EQ(w->SchemeColors()[0], Pack(0, 255, 0));
    ExpectNavigation(w.get(), true, true);
    Named<QAction>(*w, "mnuEditUndo")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0));
    EXPECT_EQ(ui.txtHex->text(), "FF0000");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #FF0000");
    ExpectNavigation(w.get(), false, true);
    EXPECT_EQ(Captions(w.get()), QStringList({ "#FF0000", "#00FF00", "#0000FF" }));

    w->SetBaseColor(Pack(255, 255, 0));
    EXPECT_EQ(Captions(w.get()), QStringList({ "#FF0000", "#FFFF00" }));
    EXPECT_EQ(w->HistoryIndex(), 1);
    ExpectNavigation(w.get(), true, false);
}

TEST_F(HistoryTest, ForwardWalksBackToTheNewestAndStops)
{
    auto w = Start();
    w->SetBaseColor(Pack(1, 2, 3));
    w->SetBaseColor(Pack(4, 5, 6));
    w->Back();
    w->Back();
    Named<QToolButton>(*w, "tbForward")->click();
    EXPECT_EQ(w->SchemeColors()[0], Pack(1, 2, 3));
    Named<QAction>(*w, "mnuEditRedo")->trigger();
    EXPECT_EQ(w->SchemeColors()[0], Pack(4, 5, 6));
    ExpectNavigation(w.get(), true, false);
    w->Forward(); // at the newest: nothing
    EXPECT_EQ(w->HistoryIndex(), 2);
    EXPECT_EQ(w->HistoryCount(), 3);
}

TEST_F(HistoryTest, ChoosingAnEntryShowsItWithoutANewOne)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(0x12, 0x34, 0x56));
    w->SetBaseColor(Pack(0xAB, 0xCD, 0xEF));
    ui.cboHistory->setCurrentIndex(1);
    emit ui.cboHistory->activated(1);
    EXPECT_EQ(w->SchemeColors()[0], Pack(0x12, 0x34, 0x56));
    EXPECT_EQ(ui.txtR->text(), "18");
    EXPECT_EQ(w->HistoryCount(), 3);
    EXPECT_EQ(w->HistoryIndex(), 1);
    ExpectNavigation(w.get(), true, true);
}

TEST_F(HistoryTest, TheSameColourMayReturnButNeverTwiceInARow)
{
    auto w = Start();
    w->SetBaseColor(Pack(0, 0, 255));
    w->SetBaseColor(Pack(0, 0, 255));
    w->SetBaseColor(Pack(255, 0, 0));
    EXPECT_EQ(Captions(w.get()), QStringList({ "#FF0000", "#0000FF", "#FF0000" }));
}

// On the traditional wheel a hue just under a full turn comes back from the wheel slightly changed: the scheme's
// first colour differs from the colour given. Giving that colour again is still no new colour.
TEST_F(HistoryTest, AColourTheWheelShowsChangedIsRecordedOnce)
{
    auto w = Start();
    const MainControls ui(*w);
    Activate(w.get());
    const ColorValue nearlyRed = Pack(255, 0, 3);
    w->SetBaseColor(nearlyRed);
    ASSERT_NE(w->SchemeColors()[0], nearlyRed);
    EXPECT_EQ(ui.txtHex->text(), "FF0003");
    EXPECT_EQ(w->HistoryCount(), 2);

    w->SetBaseColor(nearlyRed);
    ui.txtHex->setFocus();
    QTest::keyClick(ui.txtHex, Qt::Key_Left); // every key let go in the hex field gives the fields' colour again
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    ui.txtR->setFocus();
    QTest::keyClick(ui.txtR, Qt::Key_Return);
    EXPECT_EQ(Captions(w.get()), QStringList({ "#FF0000", "#FF0003" }));
    ExpectNavigation(w.get(), true, false);
}

// A typed channel that waits for Enter, while the pointer passing over a swatch puts BaseColor back to the
// scheme's colour: the entry chosen is what the scheme then shows, not that colour.
TEST_F(HistoryTest, ChoosingTheEntryTheFieldsAlreadyShowShowsIt)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(102, 0, 0));
    w->SetBaseColor(Pack(102, 0, 102));
    ui.txtB->selectAll();
    QTest::keyClick(ui.txtB, Qt::Key_0); // the fields show 660000 again, unapplied
    mouse::Enter(ui.pbColors[4]);
    mouse::Leave(ui.pbColors[4]);
    ASSERT_EQ(w->BaseColor(), Pack(102, 0, 102));

    ui.cboHistory->setCurrentIndex(1);
    emit ui.cboHistory->activated(1);
    EXPECT_EQ(w->SchemeColors()[0], Pack(102, 0, 0));
    EXPECT_EQ(w->BaseColor(), Pack(102, 0, 0));
    EXPECT_EQ(Pixel(ui.pbBase), Pack(102, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 3);
}

TEST_F(HistoryTest, ClearingKeepsOnlyTheShownColour)
{
    auto w = Start();
    w->SetBaseColor(Pack(0, 255, 0));
    w->SetBaseColor(Pack(0, 0, 255));
    w->Back();
    w->ClearHistory();
    EXPECT_EQ(Captions(w.get()), QStringList({ "#00FF00" }));
    EXPECT_EQ(w->HistoryIndex(), 0);
    ExpectNavigation(w.get(), false, false);
    w->SetBaseColor(Pack(9, 9, 9));
    EXPECT_EQ(Captions(w.get()), QStringList({ "#00FF00", "#090909" }));
}

// A long history drops down as a list of eight rows of 16 pixels, scrolled to the selected entry, whatever the
// style: some styles would show every entry as a menu of taller rows, as tall as the screen.
TEST_F(HistoryTest, TheDropDownShowsEightRowsOfSixteenPixelsUnderEveryStyle)
{
    for (const QString& key : QStyleFactory::keys()) {
        SCOPED_TRACE(key.toStdString());
        StyleScope style(key);
        auto w = Start();
        const MainControls ui(*w);
        for (int i = 1; i < 30; ++i)
            w->SetBaseColor(Pack(i, i, i));
        ASSERT_EQ(w->HistoryCount(), 30);
        for (const int selected : { 29, 0, 14 }) {
            SCOPED_TRACE(selected);
            ui.cboHistory->setCurrentIndex(selected);
            ui.cboHistory->showPopup();
            QAbstractItemView* list = ui.cboHistory->view();
            ASSERT_TRUE(list->isVisible());
            const QRect shown = list->viewport()->rect();
            int visible = 0;
            for (int row = 0; row < 30; ++row) {
                const QRect r = list->visualRect(list->model()->index(row, 0));
                EXPECT_EQ(r.height(), 16) << "row " << row;
                if (r.intersects(shown)) {
                    ++visible;
                    EXPECT_TRUE(r.top() >= shown.top() && r.bottom() <= shown.bottom()) << "row " << row << " is cut";
                }
            }
            EXPECT_EQ(visible, 8);
            EXPECT_TRUE(list->visualRect(list->model()->index(selected, 0)).intersects(shown));
            ui.cboHistory->hidePopup();
        }
    }
}

} // namespace
