#include "MainFixture.h"
#include "platform/Fonts.h"
#include "support/Mouse.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStyleFactory>
#include <QStyleOptionFrame>

namespace {

using EntryFieldsTest = MainFixture;

// Where a field shows the text it holds, in device pixels: the pixels that differ from the field holding none.
// The window does not see these texts.
QRect Ink(QLineEdit* field, const QString& text, int cursor)
{
    const QSignalBlocker quiet(field);
    const QString kept = field->text();
    field->setText(QString());
    const QImage empty = field->grab().toImage();
    field->setText(text);
    field->setCursorPosition(cursor);
    const QImage shown = field->grab().toImage();
    field->setText(kept);
    QRect ink;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != empty.pixel(x, y))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

// The field's inside, within its frame, in device pixels.
QRect Inside(QLineEdit* field)
{
    QStyleOptionFrame option;
    option.initFrom(field);
    option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
    const QRect inside = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
    const qreal ratio = field->devicePixelRatioF();
    return QRect(QPoint(qRound(inside.left() * ratio), qRound(inside.top() * ratio)),
        QSize(qRound(inside.width() * ratio), qRound(inside.height() * ratio)));
}

TEST_F(EntryFieldsTest, ADecimalChannelUpdatesTheHexFieldAtOnceAndTheSchemeOnEnter)
{
    auto w = Start();
    const MainControls ui(*w);
    ui.txtR->selectAll();
    QTest::keyClick(ui.txtR, Qt::Key_3);
    EXPECT_EQ(ui.txtR->text(), "3");
    EXPECT_EQ(ui.txtHex->text(), "030000");
    EXPECT_EQ(w->BaseColor(), Pack(3, 0, 0));
    EXPECT_EQ(Pixel(ui.pbBase), Pack(3, 0, 0));
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0)); // the scheme waits for Enter
    EXPECT_EQ(w->HistoryCount(), 1);

    QTest::keyClick(ui.txtR, Qt::Key_Return);
    EXPECT_EQ(ui.txtR->text(), "3"); // Enter is not inserted
    EXPECT_EQ(w->SchemeColors()[0], Pack(3, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 2);
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 3.0.0");

    QTest::keyClick(ui.txtR, Qt::Key_Enter); // the value already shown: nothing happens
    EXPECT_EQ(w->HistoryCount(), 2);
}

TEST_F(EntryFieldsTest, OutOfRangeAndEmptyChannelsAreCorrectedAndSelected)
{
    auto w = Start();
    const MainControls ui(*w);
    ui.txtG->selectAll();
    QTest::keyClicks(ui.txtG, "300");
    EXPECT_EQ(ui.txtG->text(), "255");
    EXPECT_EQ(ui.txtG->selectedText(), "255");
    EXPECT_EQ(ui.txtHex->text(), "FFFF00");
    EXPECT_EQ(w->BaseColor(), Pack(255, 255, 0));

    QTest::keyClick(ui.txtG, Qt::Key_7); // the selection is replaced by the next digit
    EXPECT_EQ(ui.txtG->text(), "7");

    QTest::keyClick(ui.txtG, Qt::Key_Backspace);
    EXPECT_EQ(ui.txtG->text(), "0");
    EXPECT_EQ(ui.txtG->selectedText(), "0");
    EXPECT_EQ(ui.txtHex->text(), "FF0000");
}

TEST_F(EntryFieldsTest, DecimalFieldsTakeOnlyDigitsUpToThree)
{
    auto w = Start();
    const MainControls ui(*w);
    desktop.clipboardText = "12";
    ui.txtB->setCursorPosition(1);
    QTest::keyClicks(ui.txtB, "a-. #f");
    for (Qt::Key key : { Qt::Key_V, Qt::Key_C, Qt::Key_X, Qt::Key_A })
        QTest::keyClick(ui.txtB, key, Qt::ControlModifier);
    QTest::keyClick(ui.txtB, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(ui.txtB->text(), "0");
    EXPECT_EQ(desktop.clipboardText, "12");

    // 01 is rewritten as 1 by the hex field's chain; the fourth digit finds the field full.
    QTest::keyClicks(ui.txtB, "1234");
    EXPECT_EQ(ui.txtB->text(), "123");
    EXPECT_EQ(ui.txtHex->text(), "FF007B");
}

TEST_F(EntryFieldsTest, LeadingZerosStayWhileTheValueIsUnchanged)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(7, 0, 0));
    ui.txtR->setCursorPosition(0);
    QTest::keyClicks(ui.txtR, "00");
    EXPECT_EQ(ui.txtR->text(), "007");
    mouse::Leave(ui.pbColors[3]); // the status bar is rewritten from the fields as they stand
    EXPECT_EQ(ui.sbPanel0->text(), " RGB: 007.0.0");
    EXPECT_EQ(ui.sbPanel1->text(), " HEX: #070000");
}

TEST_F(EntryFieldsTest, TheLineEditsOwnPasteCannotBringInOtherCharacters)
{
    auto w = Start();
    const MainControls ui(*w);
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText("4x");
    ui.txtR->selectAll();
    ui.txtR->paste();
    EXPECT_EQ(ui.txtR->text(), "255");
    clipboard->setText("42");
    ui.txtR->selectAll();
    ui.txtR->paste();
    EXPECT_EQ(ui.txtR->text(), "42");
    EXPECT_EQ(ui.txtHex->text(), "2A0000");

    clipboard->setText("ab12");
    ui.txtHex->selectAll();
    ui.txtHex->paste();
    EXPECT_EQ(ui.txtHex->text(), "AB12"); // shown in upper case
    clipboard->setText("zz");
    ui.txtHex->paste();
    EXPECT_EQ(ui.txtHex->text(), "AB12");
}

TEST_F(EntryFieldsTest, SixHexDigitsApplyOnTheReleaseOfTheLastKey)
{
    auto w = Start();
    const MainControls ui(*w);
    ui.txtHex->selectAll();
    QTest::keyClicks(ui.txtHex, "00ff0");
    EXPECT_EQ(ui.txtHex->text(), "00FF0");
    EXPECT_EQ(w->HistoryCount(), 1);
    EXPECT_EQ(ui.txtR->text(), "255"); // five digits are not a colour yet

    QTest::keyPress(ui.txtHex, Qt::Key_0, Qt::NoModifier);
    EXPECT_EQ(ui.txtHex->text(), "00FF00");
    EXPECT_EQ(ui.txtR->text(), "0");
    EXPECT_EQ(ui.txtG->text(), "255");
    EXPECT_EQ(ui.txtB->text(), "0");
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0)); // not before the key is let go
    QTest::keyRelease(ui.txtHex, Qt::Key_0, Qt::NoModifier);
    EXPECT_EQ(w->SchemeColors(), ComputeRybScheme(Pack(0, 255, 0)));
    EXPECT_EQ(w->HistoryCount(), 2);
    EXPECT_EQ(ui.cboHistory->itemText(1), "#00FF00");

    QTest::keyClicks(ui.txtHex, "g!7 "); // nothing but hex digits, and no seventh one
    EXPECT_EQ(ui.txtHex->text(), "00FF00");
    EXPECT_EQ(w->HistoryCount(), 2);
}

TEST_F(EntryFieldsTest, PastingIntoTheHexField)
{
    auto w = Start();
    const MainControls ui(*w);
    desktop.clipboardText = "#336699";
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.txtHex->text(), "336699");
    EXPECT_EQ(w->SchemeColors()[0], Pack(0x33, 0x66, 0x99));
    EXPECT_EQ(w->HistoryCount(), 2);

    desktop.clipboardText = "1234567";
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(ui.txtHex->text(), "1234567");
    EXPECT_EQ(w->BaseColor(), Pack(0x33, 0x66, 0x99));
    EXPECT_EQ(w->SchemeColors()[0], Pack(0x33, 0x66, 0x99));
    EXPECT_EQ(w->HistoryCount(), 2);

    desktop.clipboardText = "abcdef\r\nsecond line";
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.txtHex->text(), "ABCDEF");
    EXPECT_EQ(w->SchemeColors()[0], Pack(0xAB, 0xCD, 0xEF));
}

// The hex field's own right-click menu pastes as Ctrl+V does.
TEST_F(EntryFieldsTest, TheHexFieldsMenuPastesAsCtrlVDoes)
{
    struct Outcome {
        QString hex;
        ColorValue scheme;
        int history;
        bool operator==(const Outcome&) const = default;
    };
    auto paste = [this](const QString& text, bool fromMenu) {
        auto w = Start();
        const MainControls ui(*w);
        desktop.clipboardText = text;
        if (fromMenu) {
            const QPoint at(5, 5);
            QContextMenuEvent event(QContextMenuEvent::Mouse, at, ui.txtHex->mapToGlobal(at));
            QApplication::sendEvent(ui.txtHex, &event);
            auto* menu = ui.txtHex->findChild<QMenu*>();
            EXPECT_TRUE(menu && menu->isVisible());
            QAction* item = nullptr;
            for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
                if (action->text().startsWith("&Paste"))
                    item = action;
            }
            EXPECT_TRUE(item && item->isEnabled());
            if (item)
                item->trigger();
            if (menu)
                menu->close();
        } else {
            QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
        }
        return Outcome { ui.txtHex->text(), w->SchemeColors()[0], w->HistoryCount() };
    };
    for (const QString text : { "#336699", "00ff00", "1234567" }) {
        const Outcome menu = paste(text, true);
        const Outcome keys = paste(text, false);
        EXPECT_EQ(menu.hex, keys.hex) << text.toStdString();
        EXPECT_EQ(menu.scheme, keys.scheme) << text.toStdString();
        EXPECT_EQ(menu.history, keys.history) << text.toStdString();
    }
    EXPECT_EQ(paste("#336699", true), (Outcome { "336699", Pack(0x33, 0x66, 0x99), 2 }));
}

TEST_F(EntryFieldsTest, APastedTextOfAnyKindIsHarmless)
{
    auto w = Start();
    const MainControls ui(*w);
    const QString junk[] = { QString(), "#", "##123456", QString(100000, QLatin1Char('&')), "\t\x01\xff", "12\u00df45" };
    for (const QString& text : junk) {
        desktop.clipboardText = text;
        QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 0)) << text.left(20).toStdString();
        EXPECT_EQ(ui.txtR->text(), "255");
        EXPECT_EQ(w->HistoryCount(), 1);
    }
    // Six characters that are not all digits read as far as each pair goes; the chain then writes the colour.
    desktop.clipboardText = "1G00zz";
    QTest::keyClick(ui.txtHex, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.txtHex->text(), "010000");
    EXPECT_EQ(w->SchemeColors()[0], Pack(1, 0, 0));
}

TEST_F(EntryFieldsTest, CtrlCCopiesTheHexSelectionAndCtrlXDoesNothing)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(0x12, 0x34, 0x56));
    ui.txtHex->setSelection(2, 3);
    QTest::keyClick(ui.txtHex, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(desktop.clipboardText, "345");
    QTest::keyClick(ui.txtHex, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(ui.txtHex->text(), "123456");
    EXPECT_EQ(desktop.clipboardText, "345");
    ui.txtHex->deselect();
    QTest::keyClick(ui.txtHex, Qt::Key_C, Qt::ControlModifier); // nothing selected: the clipboard keeps its text
    EXPECT_EQ(desktop.clipboardText, "345");
}

TEST_F(EntryFieldsTest, LeavingADecimalFieldAppliesIt)
{
    auto w = Start();
    const MainControls ui(*w);
    Activate(w.get());
    ui.txtB->setFocus();
    ui.txtB->selectAll();
    QTest::keyClicks(ui.txtB, "128");
    EXPECT_EQ(w->HistoryCount(), 1);
    QTest::keyClick(ui.txtB, Qt::Key_Tab);
    EXPECT_TRUE(ui.txtHex->hasFocus());
    EXPECT_EQ(w->SchemeColors()[0], Pack(255, 0, 128));
    EXPECT_EQ(w->HistoryCount(), 2);
}

// Moving the pointer over the palette strip or a swatch and out again puts the scheme's colour back into BaseColor,
// while the fields keep what was typed: the fields' own commands still apply what they show.
TEST_F(EntryFieldsTest, ATypedChannelSurvivesThePointerPassingBy)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(102, 0, 102));
    ui.txtB->selectAll();
    QTest::keyClick(ui.txtB, Qt::Key_0);
    mouse::Enter(ui.pbPalette);
    mouse::Move(ui.pbPalette, { 100, 20 }, Qt::NoButton);
    mouse::Leave(ui.pbPalette);
    ASSERT_EQ(w->BaseColor(), Pack(102, 0, 102));
    ASSERT_EQ(ui.txtHex->text(), "660000");

    QTest::keyClick(ui.txtB, Qt::Key_Return);
    EXPECT_EQ(w->SchemeColors()[0], Pack(102, 0, 0));
    EXPECT_EQ(w->HistoryCount(), 3);
}

TEST_F(EntryFieldsTest, MakeWebsafeAppliesTheTypedWebsafeColour)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(102, 0, 100));
    ui.txtB->selectAll();
    QTest::keyClick(ui.txtB, Qt::Key_0); // 660000, websafe, not applied
    mouse::Enter(ui.pbColors[2]);
    mouse::Leave(ui.pbColors[2]);
    ASSERT_TRUE(ui.imgnotwebsafe->isVisibleTo(w.get()));

    mouse::Click(ui.imgnotwebsafe, { 3, 3 });
    EXPECT_EQ(w->SchemeColors()[0], Pack(102, 0, 0));
    EXPECT_TRUE(ui.imgwebsafe->isVisibleTo(w.get()));
}

TEST_F(EntryFieldsTest, PickingTheColourTheFieldsAlreadyShowMakesItTheBase)
{
    auto w = Start();
    const MainControls ui(*w);
    w->SetBaseColor(Pack(10, 20, 30));
    for (auto [field, channel] : { std::pair { ui.txtR, "102" }, { ui.txtG, "51" }, { ui.txtB, "51" } }) {
        field->selectAll();
        QTest::keyClicks(field, channel);
    }
    ASSERT_EQ(ui.txtHex->text(), "663333"); // typed, not applied
    mouse::Enter(ui.pbColors[0]);
    mouse::Leave(ui.pbColors[0]);
    ASSERT_EQ(w->BaseColor(), Pack(10, 20, 30));

    mouse::Click(ui.pbPalette, { 2 + 7 * 7 + 3, 2 + 7 * 2 + 3 }); // the websafe cell 663333
    EXPECT_EQ(w->SchemeColors()[0], Pack(102, 51, 51));
    EXPECT_EQ(w->BaseColor(), Pack(102, 51, 51));
    EXPECT_EQ(Pixel(ui.pbBase), Pack(102, 51, 51));
}

TEST_F(EntryFieldsTest, MenuShortcutsWinOverTheLineEditsOwnKeys)
{
    auto w = Start();
    const MainControls ui(*w);
    Activate(w.get());
    w->SetBaseColor(Pack(0xB4, 0x82, 0x46));
    ui.txtR->setFocus();
    QTest::keyClick(ui.txtR, Qt::Key_D, Qt::ControlModifier); // Darken, not the X11 delete binding
    EXPECT_EQ(w->SchemeColors()[0], Pack(0xA2, 0x75, 0x3F));
    QTest::keyClick(ui.txtR, Qt::Key_Z, Qt::ControlModifier); // Undo is Back, not the field's undo
    EXPECT_EQ(w->SchemeColors()[0], Pack(0xB4, 0x82, 0x46));
    EXPECT_EQ(w->HistoryIndex(), 1);
    EXPECT_EQ(ui.txtR->text(), "180");
}

// Every value a field takes shows whole, the cursor at either end: a line edit too narrow for its text scrolls
// it to keep the cursor in view, which cuts off the first digit. The window's own font, and a smaller one.
TEST_F(EntryFieldsTest, TheWidestValuesShowWholeInTheirFields)
{
    QStringList hexTexts, decimalTexts{ "255" };
    for (const QChar digit : QStringLiteral("0123456789ABCDEF"))
        hexTexts << QString(6, digit);
    for (const QChar digit : QStringLiteral("0123456789"))
        decimalTexts << QLatin1Char('1') + QString(2, digit);
    const QString longer = QStringLiteral("0123456789ABCDEF");

    for (const QString& key : QStyleFactory::keys()) {
        StyleScope style(key);
        auto w = Start();
        const MainControls ui(*w);
        for (const int pixels : { 11, 9 }) {
            w->setFont(TahomaFont(pixels));
            const std::pair<QLineEdit*, const QStringList&> fields[]
                = { { ui.txtHex, hexTexts }, { ui.txtR, decimalTexts } };
            for (const auto& [field, texts] : fields) {
                field->clearFocus();
                QLineEdit wide; // shows the whole of any of these texts
                wide.setFont(field->font());
                wide.resize(300, field->height());
                for (const QString& text : texts) {
                    SCOPED_TRACE(QStringLiteral("%1, %2 px, %3 %4")
                                     .arg(key)
                                     .arg(pixels)
                                     .arg(field->objectName(), text)
                                     .toStdString());
                    Ink(field, longer, longer.size()); // a text that had to scroll before
                    const QRect atEnd = Ink(field, text, text.size());
                    const QRect atStart = Ink(field, text, 0);
                    ASSERT_FALSE(atEnd.isEmpty());
                    EXPECT_EQ(atEnd, atStart);
                    EXPECT_EQ(atEnd.width(), Ink(&wide, text, 0).width());
                    EXPECT_TRUE(Inside(field).contains(atEnd));
                }
            }
        }
    }
}

} // namespace
